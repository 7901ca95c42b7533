import QtQml

// A file or folder dialog for the shell and the plug-ins' views, with the members of Qt Quick's
// FileDialog that they use. The shell's `fileDialogService` shows it: the platform's own dialog
// where there is one, otherwise one that takes a typed name; it adds the extension of the name
// filter, asks before replacing a file and refuses folders that cannot be written.
QtObject {
    id: root

    enum FileMode {
        OpenFile = 0,
        SaveFile = 2,
        SelectFolder = 3
    }

    property string title
    property int fileMode: XFileDialog.OpenFile
    property var nameFilters: []
    // Where the dialog starts; empty: the folder used last.
    property url currentFolder
    property url selectedFile
    readonly property url selectedFolder: selectedFile
    property bool visible: false

    signal accepted
    signal rejected

    // The service answers every dialog; each element takes only its own answers.
    readonly property Connections answers: Connections {
        target: typeof fileDialogService === "undefined" ? null : fileDialogService

        function onAccepted(requester, url) {
            if (requester !== root)
                return
            root.visible = false
            root.selectedFile = url
            root.currentFolder = root.fileMode === XFileDialog.SelectFolder
                    ? url : url.toString().replace(/\/[^\/]*$/, "")
            root.accepted()
        }
        function onRejected(requester) {
            if (requester !== root)
                return
            root.visible = false
            root.rejected()
        }
    }

    function open() {
        visible = fileDialogService.open(root, fileMode, title, nameFilters, currentFolder)
    }

    function close() {
        if (visible)
            fileDialogService.close(root)
    }
}

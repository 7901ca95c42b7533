import QtQuick
import QtQml.Models
import QtTest
import common.src.presentation_layer.assets.common_controls 1.0

// The test case itself is never visible, so the controls under test stand on this stage.
Item {
    id: stage

    width: 800
    height: 600

    ControlsTestCase {
        name: "Containers"
        stage: stage

        Component {
            id: contentComponent

            ObjectModel {
                Item {
                    width: 10
                    height: 40
                }
                Item {
                    width: 10
                    height: 0
                }
            }
        }

        Component {
            id: anchoredFilterComponent

            Item {
                property alias filter: filter

                width: 200
                height: 100

                FilterRectangle {
                    id: filter

                    anchors.top: parent.top
                    anchors.bottom: parent.bottom
                    width: parent.width
                }
            }
        }

        function test_contract_data() {
            const unset = undefined
            return [{
                    tag: "XFoldingBox",
                    properties: {
                        isDisableBox: false,
                        isBoxOpen: false,
                        isNameEditingEnabled: false,
                        isNotUpdating: false,
                        // completion sizes the open box to its (empty) content: 2 S
                        foldingBoxHeightOpen: Math.trunc(2 * sizes.clickableSize),
                        foldingBoxHeightClose: Math.trunc(sizes.clickableSize
                                                          + 2 * margin.defaultPadding),
                        contentWidth: sizes.eventGroupWidth - 2 * margin.defaultPadding,
                        borderColor: {color: globalColors.FOLDINGBOX_BORDER},
                        mContentModel: unset,
                        nameRec: unset,
                        name: "",
                        maxNameLength: unset,
                        foldingBoxImage: unset,
                        foldingBoxImageSource: "",
                        openFoldingBoxImage: unset,
                        featureImageRec: unset,
                        contentListView: unset,
                        shortDescriptionRec: unset,
                        shortDescription: "",
                        shortDescriptionLineCount: 1,
                        lineColor: unset,
                        firstFeatureImageSource: "",
                        secondFeatureImageSource: "",
                        thirdFeatureImageSource: "",
                        fourthFeatureImageSource: "",
                        fifthFeatureImageSource: "",
                        width: sizes.eventGroupWidth,
                        objectName: "foldingBox",
                        clip: true
                    },
                    signals: ["toggled"],
                    functions: ["updateHeight"]
                }, {
                    tag: "FoldingBoxNameRec",
                    properties: {
                        isEditingEnabled: true,
                        foldingboxNameTextField: unset,
                        foldingBoxName: "",
                        toolTipText: "",
                        maxNameLength: unset
                    }
                }, {
                    tag: "FoldingBoxShortDescriptionRec",
                    properties: {
                        labelText: "",
                        height: 0.5 * sizes.clickableSize
                    }
                }, {
                    tag: "FoldingBoxFeatureImageRec",
                    properties: {
                        firstFeatureImageWidth: 0.5 * sizes.clickableSize,
                        firstFeatureImageHeight: 0.5 * sizes.clickableSize,
                        firstFeatureImage: unset,
                        firstFeatureImageSource: "",
                        secondFeatureImageSource: "",
                        thirdFeatureImageSource: "",
                        fourthFeatureImageSource: "",
                        fifthFeatureImageSource: "",
                        firstFeatureImageVisibile: true,
                        secondFeatureImageVisibile: true,
                        openDelayText: "",
                        closeDelayText: "",
                        width: 0
                    }
                }, {
                    tag: "DrawerWindow",
                    properties: {
                        color: {color: globalColors.STATUSBOX},
                        radius: radii.ten,
                        clip: true
                    }
                }, {
                    tag: "FilterRectangle",
                    properties: {
                        color: {color: "transparent"}
                    },
                    signals: ["filterClicked"],
                    functions: ["hide"]
                }, {
                    tag: "TabSlider",
                    properties: {
                        width: 0.4 * sizes.clickableSize,
                        height: 0.08 * sizes.clickableSize,
                        radius: 3 * radii.ten,
                        color: {color: globalColors.PRIMARY}
                    }
                }, {
                    tag: "BasicPluginView",
                    setup: {isVirtualDevice: true},
                    properties: {
                        navBar: unset,
                        controlPanel: unset,
                        loadDialog: unset,
                        color: {color: globalColors.CONTENT_BACKGROUND_COLOR}
                    }
                }]
        }

        function test_contract(data) {
            verifyContract(data)
        }

        // Where effects cannot be drawn (the software renderer) the drawer must still show.
        function test_drawerIsDrawnWithoutEffects() {
            const drawer = make("DrawerWindow", {
                                    "width": 100,
                                    "height": 60
                                })
            waitForRendering(drawer)
            const image = grabImage(drawer)
            verify(Qt.colorEqual(image.pixel(50, 30), globalColors.STATUSBOX),
                   "drawn as " + image.pixel(50, 30))
        }

        function test_openHeightFollowsTheContent_data() {
            return [{
                    tag: "updating",
                    isNotUpdating: false,
                    afterChange: 60
                }, {
                    tag: "not updating",
                    isNotUpdating: true,
                    afterChange: 40
                }]
        }

        function test_openHeightFollowsTheContent(data) {
            const content = createTemporaryObject(contentComponent, stage)
            const box = make("XFoldingBox", {
                                 "mContentModel": content
                             })
            compare(box.foldingBoxHeightOpen, Math.trunc(2 * s + 40))
            box.isNotUpdating = data.isNotUpdating
            content.get(0).height = 60
            tryCompare(box.contentListView, "contentHeight", 60)
            compare(box.foldingBoxHeightOpen, Math.trunc(2 * s + data.afterChange))
        }

        function test_openingFollowsTheUser() {
            const content = createTemporaryObject(contentComponent, stage)
            const box = make("XFoldingBox", {
                                 "mContentModel": content
                             })
            box.isBoxOpen = true
            tryCompare(box, "height", box.foldingBoxHeightOpen)
            compare(box.openFoldingBoxImage.rotation, -90)
            tryCompare(box.shortDescriptionRec, "opacity", 0)
            box.isBoxOpen = false
            tryCompare(box, "height", box.foldingBoxHeightClose)
            compare(box.openFoldingBoxImage.rotation, 0)
        }

        function test_headerClicksAskToFold_data() {
            return [{
                    tag: "open button",
                    part: "openFoldingBoxImage",
                    toggles: 1
                }, {
                    tag: "name, not editable",
                    part: "nameRec",
                    toggles: 1
                }, {
                    tag: "short description",
                    part: "shortDescriptionRec",
                    toggles: 1
                }, {
                    tag: "disabled image button",
                    part: "foldingBoxImage",
                    toggles: 0
                }, {
                    tag: "enabled image button",
                    part: "foldingBoxImage",
                    enableImage: true,
                    toggles: 1
                }]
        }

        function test_headerClicksAskToFold(data) {
            const box = make("XFoldingBox", {
                                 "isDisableBox": true,
                                 "name": "Group 1",
                                 "shortDescription": "Two motors"
                             })
            if (data.enableImage)
                box.foldingBoxImage.buttonEnabled = true
            const toggled = spy(box, "toggled")
            mouseClick(box[data.part])
            compare(toggled.count, data.toggles)
            compare(box.isBoxOpen, false)
            compare(box.isDisableBox, data.part !== "openFoldingBoxImage")
        }

        function test_nameIsEditedOnlyWhenEnabled_data() {
            return [{
                    tag: "enabled",
                    enabled: true
                }, {
                    tag: "disabled",
                    enabled: false
                }]
        }

        function test_nameIsEditedOnlyWhenEnabled(data) {
            const name = make("FoldingBoxNameRec", {
                                  "x": 50,
                                  "y": 50,
                                  "foldingBoxName": "Staircase",
                                  "isEditingEnabled": data.enabled
                              })
            const field = name.foldingboxNameTextField
            mouseClick(name)
            compare(field.readOnly, !data.enabled)
            if (!data.enabled)
                return
            verify(field.activeFocus)
            compare(field.selectedText, "Staircase")
            keyClick(Qt.Key_End)
            keyClick(Qt.Key_S)
            keyClick(Qt.Key_Return)
            compare(name.foldingBoxName, "Staircases")
            verify(field.readOnly)
            verify(!field.activeFocus)
            compare(field.selectedText, "")
        }

        function test_featureImagesTakeRoomOnlyWhenSet() {
            const images = make("FoldingBoxFeatureImageRec", {
                                    "firstFeatureImageSource": "qrc:/images/icons/button/help.png",
                                    "thirdFeatureImageSource": "qrc:/images/icons/button/info.png",
                                    "openDelayText": "5 s"
                                })
            fuzzyCompare(images.width, 1.5 * s, 1e-6)
        }

        function test_filterRectangleReportsClicksAndSlidesAway() {
            const holder = createTemporaryObject(anchoredFilterComponent, stage)
            const filter = holder.filter
            const clicked = spy(filter, "filterClicked")
            mouseClick(filter)
            compare(clicked.count, 1)
            filter.hide()
            tryCompare(filter.anchors, "topMargin", -200)
            holder.height = 300
            compare(filter.height, 100)
        }

        // A real device's view shows the loading overlay until the plug-in has connected.
        function test_pluginViewAsksForTheOverlay_data() {
            return [{
                    tag: "device",
                    virtualDevice: false,
                    requests: 1
                }, {
                    tag: "virtual device",
                    virtualDevice: true,
                    requests: 0
                }]
        }

        function test_pluginViewAsksForTheOverlay(data) {
            const requests = spy(kelvo, "showSplashScreen")
            make("BasicPluginView", {
                     "isVirtualDevice": data.virtualDevice
                 })
            compare(requests.count, data.requests)
            if (data.requests)
                compare(requests.signalArguments[0][0], true)
        }
    }
}

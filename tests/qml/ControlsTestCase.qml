import QtQuick
import QtTest
import "contract.js" as Contract

// The common ground of the controls' test cases: controls are created on a visible stage (a
// test case itself is never visible), signal spies are detached after each test (a spy on the
// shell's long-lived objects would otherwise be called after its end), and a test fails on the
// QML warnings it caused.
TestCase {
    id: testCase

    property Item stage
    property var created: []
    property var spies: []
    readonly property real s: sizes.clickableSize

    function make(name, properties) {
        const object = Contract.create(testCase, name, stage, properties)
        created.push(object)
        return object
    }

    function spy(target, signalName) {
        const signalSpy = spyComponent.createObject(testCase, {
                                                        "target": target,
                                                        "signalName": signalName
                                                    })
        spies.push(signalSpy)
        return signalSpy
    }

    function verifyContract(data) {
        Contract.verify(testCase, make(data.tag, data.setup), data)
    }

    function cleanup() {
        for (const signalSpy of spies) {
            signalSpy.target = null
            signalSpy.destroy()
        }
        spies = []
        for (const object of created)
            object.destroy()
        created = []
        kelvo.isMobile = false
        kelvo.setShowTooltips(true)
        mouseMove(stage, 1, 1)
        compare(qmlWarnings.take(), [])
    }

    when: windowShown

    Component {
        id: spyComponent

        SignalSpy {}
    }
}

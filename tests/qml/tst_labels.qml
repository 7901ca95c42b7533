import QtQuick
import QtQuick.Controls
import QtTest

// The test case itself is never visible, so the controls under test stand on this stage.
Item {
    id: stage

    width: 800
    height: 600

    ControlsTestCase {
        name: "Labels"
        stage: stage

        function test_contract_data() {
            return [{
                    tag: "XLabel",
                    properties: {
                        toolTipText: "",
                        label: undefined,
                        labelText: "",
                        labelColor: {color: globalColors.TITLE_COLOR},
                        labelFontSize: fonts.five_pt,
                        labelFontWeight: Font.Normal,
                        lineCount: undefined,
                        height: sizes.clickableSize
                    }
                }, {
                    tag: "XImage",
                    properties: {
                        borderWidth: 0,
                        buttonPadding: margin.defaultPadding,
                        borderColor: {color: "transparent"},
                        imageSource: "",
                        toolTipText: "",
                        width: sizes.clickableSize,
                        height: sizes.clickableSize
                    }
                }, {
                    tag: "SimpleHeader",
                    properties: {
                        contentPadding: margin.defaultPadding,
                        imageSource: "",
                        text: "",
                        lineColor: undefined
                    }
                }, {
                    tag: "XLiveLabel",
                    properties: {
                        dataText: "-",
                        livelabelName: "",
                        loadingDotText: "",
                        toolTipText: "",
                        height: 0.75 * sizes.clickableSize
                    }
                }, {
                    tag: "XLoadingDots",
                    properties: {
                        loadingDotsLabel: ""
                    },
                    functions: ["start", "stop"]
                }, {
                    tag: "XTimerSpinningWheel",
                    properties: {
                        source: "qrc:/images/uielements/loading.png",
                        width: sizes.clickableSize,
                        height: sizes.clickableSize,
                        visible: false
                    },
                    functions: ["start", "stop"]
                }, {
                    tag: "XLoadingScreen",
                    properties: {
                        width: sizes.clickableSize,
                        height: sizes.clickableSize,
                        modal: true,
                        closePolicy: Popup.NoAutoClose
                    }
                }]
        }

        function test_contract(data) {
            verifyContract(data)
        }

        function test_liveLabelDotsStopOnAValue() {
            const live = make("XLiveLabel")
            const dots = findChild(live, "liveLabelDots")
            const value = findChild(live, "dataText")
            verify(dots.running && dots.visible)
            verify(!value.visible)
            live.dataText = "12,5"
            verify(!dots.running && !dots.visible)
            verify(value.visible)
            compare(value.text, "12,5")
            live.dataText = ""
            verify(dots.running && dots.visible)
            verify(!value.visible)
        }

        function test_loadingDotsCycle() {
            const dots = make("XLoadingDots")
            const text = findChild(dots, "loadingDots")
            const steps = spy(text, "textChanged")
            dots.start()
            compare(text.text, "")
            const seen = []
            for (let step = 1; step <= 5; ++step) {
                steps.wait(4 * animDuration.slow)
                seen.push(text.text)
            }
            compare(seen, [".", "..", "...", "", "."])
            dots.stop()
            verify(!dots.running)
            compare(text.text, ".")
            dots.start()
            compare(text.text, "")
        }

        function test_spinningWheelTurnsWhileStarted() {
            const wheel = make("XTimerSpinningWheel")
            wheel.start()
            verify(wheel.visible)
            compare(wheel.rotation, 20)
            tryCompare(wheel, "rotation", 40, 4 * animDuration.full)
            wheel.stop()
            verify(!wheel.visible)
            const stoppedAt = wheel.rotation
            wheel.start()
            compare(wheel.rotation, stoppedAt + 20)
        }

        function test_labelTooltipShowsOnHover_data() {
            return [{
                    tag: "with a text",
                    text: "Measured at the device",
                    shows: true
                }, {
                    tag: "without a text",
                    text: "",
                    shows: false
                }]
        }

        function test_labelTooltipShowsOnHover(data) {
            const label = make("XLabel", {
                                   "x": 100,
                                   "y": 100,
                                   "labelText": "Temperature",
                                   "toolTipText": data.text
                               })
            const tip = findChild(label, "toolTip")
            mouseMove(label, label.width / 2, label.height / 2)
            if (data.shows) {
                tryVerify(() => tip.opened, 2000)
                compare(tip.text, data.text)
                mouseMove(stage, 1, 1)
                tryVerify(() => !tip.visible)
            } else {
                verify(!tip.visible)
            }
        }
    }
}

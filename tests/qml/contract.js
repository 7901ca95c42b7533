.pragma library

// Checks that `object` offers every property of `spec` (with its default where the spec gives
// one), every signal and every function: the names plug-in QML relies on.
//   spec.properties: name -> undefined (present only), a number, string, boolean, array,
//                    or {color: "..."} for a colour
function verify(test, object, spec) {
    for (const name in spec.properties) {
        test.verify(name in object, spec.tag + " lacks property " + name)
        const expected = spec.properties[name]
        const actual = object[name]
        const what = (spec.name || spec.tag) + "." + name
        if (expected === undefined)
            continue
        if (typeof expected === "number")
            test.fuzzyCompare(actual, expected, 1e-6, what)
        else if (Array.isArray(expected))
            test.compare(JSON.stringify(Array.from(actual)), JSON.stringify(expected), what)
        else if (typeof expected === "object")
            test.verify(Qt.colorEqual(actual, expected.color), what + " is " + actual)
        else if (typeof expected === "string")
            test.compare(String(actual), expected, what)
        else
            test.compare(actual, expected, what)
    }
    // Only a signal makes a spy valid: methods would pass a test for a callable.
    for (const name of spec.signals || []) {
        test.verify(typeof object[name] === "function", spec.tag + " lacks signal " + name)
        const spy = Qt.createQmlObject("import QtTest\nSignalSpy {}", test, "contractSpy")
        spy.signalName = name
        spy.target = object
        test.verify(spy.valid, spec.tag + "." + name + " is not a signal")
        spy.destroy()
    }
    for (const name of spec.functions || [])
        test.verify(typeof object[name] === "function", spec.tag + " lacks function " + name)
}

const components = {}

// Creates a control through the module import, with `properties` set before it completes, as
// a declaration in plug-in QML would set them. The component stays alive as long as the objects
// it made (their context is its document's context).
function create(test, name, parent, properties) {
    if (!components[name]) {
        const source = "import QtQuick\n"
                     + "import common.src.presentation_layer.assets.common_controls 1.0\n"
                     + "Component { " + name + " {} }"
        components[name] = Qt.createQmlObject(source, test, name)
    }
    return components[name].createObject(parent, properties || {})
}

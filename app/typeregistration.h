#pragma once

// Publishes the shell's enumerations to the meta-type system and to QML, in the order the
// screens and plug-ins expect them. `MessageFlags` follows with the controller.
namespace TypeRegistration {

void registerTypes();

} // namespace TypeRegistration

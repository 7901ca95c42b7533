#pragma once

class QQmlContext;

namespace ContextProperties {

struct Values
{
    int releaseState = 0;
    bool showTooltips = true;
    bool showUpdateHint = true;
};

// Publishes the shell's constants and managers to the screens.
void publish(QQmlContext* context, const Values& values);

} // namespace ContextProperties

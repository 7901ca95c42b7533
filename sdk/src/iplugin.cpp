#include "iplugin.h"

IPlugin::~IPlugin() = default;

void IPlugin::onQuit() {}

void IPlugin::onPluginClosed() {}

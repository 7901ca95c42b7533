#include "deviceconfiguration.h"

#include "devicetexts.h"

#include <QLocale>
#include <cmath>

DeviceConfiguration::DeviceConfiguration(QList<DeviceSetting> settings)
    : m_settings(std::move(settings))
{
    resetToDefaults();
    markSaved();
}

QString DeviceConfiguration::displayValue(const DeviceSetting& setting) const
{
    const QVariant value = m_values.value(setting.key);
    QString text;
    switch (setting.defaultValue.typeId()) {
    case QMetaType::Bool:
        return DeviceTexts::text(value.toBool() ? DeviceTexts::YES : DeviceTexts::NO);
    case QMetaType::Double:
        text = QLocale().toString(value.toDouble(), 'f', 1);
        break;
    default:
        text = value.toString();
    }
    return setting.unit.isEmpty() ? text : text + QLatin1Char(' ') + setting.unit;
}

QString DeviceConfiguration::setValue(const QString& key, const QVariant& value)
{
    const DeviceSetting* known = setting(key);
    QVariant checked;
    if (!known || !normalise(*known, value, &checked))
        return key;
    m_values.insert(key, checked);
    return {};
}

QString DeviceConfiguration::setValues(const QJsonObject& object)
{
    QVariantMap values;
    for (const DeviceSetting& known : m_settings) {
        QVariant checked = known.defaultValue;
        if (object.contains(known.key) &&
            !normalise(known, object.value(known.key).toVariant(), &checked))
            return known.key;
        values.insert(known.key, checked);
    }
    m_values = values;
    return {};
}

QJsonObject DeviceConfiguration::toJson() const
{
    return QJsonObject::fromVariantMap(m_values);
}

void DeviceConfiguration::resetToDefaults()
{
    m_values.clear();
    for (const DeviceSetting& known : m_settings)
        m_values.insert(known.key, known.defaultValue);
}

const DeviceSetting* DeviceConfiguration::setting(const QString& key) const
{
    for (const DeviceSetting& known : m_settings) {
        if (known.key == key)
            return &known;
    }
    return nullptr;
}

bool DeviceConfiguration::normalise(const DeviceSetting& setting, const QVariant& value,
                                    QVariant* result)
{
    const int type = setting.defaultValue.typeId();
    if (type == QMetaType::Bool) {
        if (value.typeId() != QMetaType::Bool)
            return false;
        *result = value;
        return true;
    }
    if (type == QMetaType::QString) {
        if (value.typeId() != QMetaType::QString)
            return false;
        *result = value;
        return true;
    }
    // Numbers come from QML and JSON as doubles; a whole-number setting takes whole numbers only.
    bool isNumber = false;
    const double number = value.toDouble(&isNumber);
    if (value.typeId() == QMetaType::QString || value.typeId() == QMetaType::Bool || !isNumber ||
        !std::isfinite(number))
        return false;
    if (setting.minimum < setting.maximum && (number < setting.minimum || number > setting.maximum))
        return false;
    if (type == QMetaType::Int) {
        if (number != std::floor(number))
            return false;
        *result = int(number);
    } else {
        *result = number;
    }
    return true;
}

#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantMap>

// One setting of a device: its key in files and views, its label and unit in reports, its
// default value (whose type is the setting's type: bool, int, double or QString) and, for
// numbers, the range the device accepts.
struct DeviceSetting
{
    QString key;
    QString label;
    QVariant defaultValue;
    double minimum = 0;
    double maximum = 0;
    QString unit;
};

// The values of a device's settings, checked against their types and ranges, and the
// snapshot last written to the device, so that unsaved edits can be told.
class DeviceConfiguration
{
public:
    explicit DeviceConfiguration(QList<DeviceSetting> settings);

    const QList<DeviceSetting>& settings() const { return m_settings; }
    QVariantMap values() const { return m_values; }
    QVariant value(const QString& key) const { return m_values.value(key); }
    // The value as a report shows it: with its unit, "yes"/"no" for switches.
    QString displayValue(const DeviceSetting& setting) const;

    // Each returns an empty text when the value was taken, else the key of the refused value.
    QString setValue(const QString& key, const QVariant& value);
    // All or nothing: a missing key takes its default, an unknown key is ignored.
    QString setValues(const QJsonObject& object);
    QJsonObject toJson() const;
    void resetToDefaults();

    bool hasChanges() const { return m_values != m_savedValues; }
    void markSaved() { m_savedValues = m_values; }
    QVariantMap savedValues() const { return m_savedValues; }
    void setSavedValues(const QVariantMap& values) { m_savedValues = values; }
    // The values back to the saved ones.
    void discardChanges() { m_values = m_savedValues; }

private:
    const DeviceSetting* setting(const QString& key) const;
    static bool normalise(const DeviceSetting& setting, const QVariant& value, QVariant* result);

    QList<DeviceSetting> m_settings;
    QVariantMap m_values;
    QVariantMap m_savedValues;
};

#include "platform/settings_store.h"

#include <QSettings>

namespace topband {
namespace {

QString keyPath(const std::string& key) { return QStringLiteral("Settings/") + QString::fromStdString(key); }

// Shared by every program of the maker, so the file is named after the organisation alone.
QString storeName() { return QStringLiteral("KELVO_Software"); }

}  // namespace

std::string QtSettingsStore::value(const std::string& key, const std::string& fallback) const {
    QSettings store(QSettings::IniFormat, QSettings::UserScope, storeName());
    return store.value(keyPath(key), QString::fromStdString(fallback)).toString().toStdString();
}

void QtSettingsStore::setValue(const std::string& key, const std::string& value) {
    QSettings store(QSettings::IniFormat, QSettings::UserScope, storeName());
    store.setValue(keyPath(key), QString::fromStdString(value));
}

}  // namespace topband

#include <pathwell/entrypoints.h>

#include <pathwell/identifiers.h>
#include <pathwell/listbar.h>

#include "liveobjects.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <dlfcn.h>

using namespace PathwellControls;

namespace {

QString registryFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/pathwell/registry.ini");
}

QString libraryFilePath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&DllRegisterServer), &info) == 0 || !info.dli_fname)
        return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}

bool sameIdentifier(const QString &a, const char *b) {
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

// The class identifier for an identifier or for a class name registered in the registry file.
QString classIdentifierFor(const QString &classId) {
    if (classId.startsWith(QLatin1Char('{')))
        return classId;
    if (!QFile::exists(registryFilePath()))
        return {};
    QSettings registry(registryFilePath(), QSettings::IniFormat);
    return registry.value(QStringLiteral("ClassNames/") + classId).toString();
}

void *createListbar(void *parentWidget) {
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return nullptr;
    return static_cast<QWidget *>(new Listbar(static_cast<QWidget *>(parentWidget)));
}

PathwellClassFactory listbarFactory{&createListbar};

} // namespace

extern "C" {

int32_t DllRegisterServer(void) {
    const QString path = registryFilePath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return PATHWELL_SELFREG_E_CLASS;
    QSettings registry(path, QSettings::IniFormat);
    registry.clear();
    registry.beginGroup(QStringLiteral("TypeLibrary"));
    registry.setValue(QStringLiteral("Id"), Identifiers::kLibrary);
    registry.setValue(QStringLiteral("Name"), Identifiers::kLibraryName);
    registry.setValue(QStringLiteral("Version"), Identifiers::kLibraryVersion);
    registry.setValue(QStringLiteral("Locale"), Identifiers::kLibraryLocale);
    registry.setValue(QStringLiteral("Path"), libraryFilePath());
    registry.endGroup();
    registry.beginGroup(QStringLiteral("Classes"));
    registry.setValue(QStringLiteral("Listbar"), Identifiers::kListbarClass);
    registry.setValue(QStringLiteral("Groups"), Identifiers::kGroupsClass);
    registry.setValue(QStringLiteral("Group"), Identifiers::kGroupClass);
    registry.setValue(QStringLiteral("Items"), Identifiers::kItemsClass);
    registry.setValue(QStringLiteral("Item"), Identifiers::kItemClass);
    registry.setValue(QStringLiteral("cImageList"), Identifiers::kImageListClass);
    registry.endGroup();
    registry.beginGroup(QStringLiteral("Interfaces"));
    registry.setValue(QStringLiteral("_Listbar"), Identifiers::kListbarInterface);
    registry.setValue(QStringLiteral("__Listbar"), Identifiers::kListbarEventsInterface);
    registry.setValue(QStringLiteral("_Groups"), Identifiers::kGroupsInterface);
    registry.setValue(QStringLiteral("_Group"), Identifiers::kGroupInterface);
    registry.setValue(QStringLiteral("_Items"), Identifiers::kItemsInterface);
    registry.setValue(QStringLiteral("_Item"), Identifiers::kItemInterface);
    registry.setValue(QStringLiteral("_cImageList"), Identifiers::kImageListInterface);
    registry.setValue(QStringLiteral("_ISubclass"), Identifiers::kSubclassInterface);
    registry.endGroup();
    registry.setValue(QStringLiteral("ClassNames/") + QLatin1String(Identifiers::kListbarClassName),
                      Identifiers::kListbarClass);
    registry.sync();
    return registry.status() == QSettings::NoError ? PATHWELL_S_OK : PATHWELL_SELFREG_E_CLASS;
}

int32_t DllUnregisterServer(void) {
    const QString path = registryFilePath();
    if (!QFile::exists(path))
        return PATHWELL_S_OK;
    {
        QSettings registry(path, QSettings::IniFormat);
        registry.clear();
        registry.sync();
    }
    return QFile::remove(path) ? PATHWELL_S_OK : PATHWELL_SELFREG_E_CLASS;
}

int32_t DllGetClassObject(const char *classId, const char *interfaceId, void **classObject) {
    if (!classObject)
        return PATHWELL_E_POINTER;
    *classObject = nullptr;
    if (!classId || !interfaceId)
        return PATHWELL_E_POINTER;
    if (!sameIdentifier(classIdentifierFor(QString::fromUtf8(classId)), Identifiers::kListbarClass))
        return PATHWELL_CLASS_E_CLASSNOTAVAILABLE;
    if (!sameIdentifier(QString::fromUtf8(interfaceId), PATHWELL_CLASS_FACTORY_INTERFACE))
        return PATHWELL_E_NOINTERFACE;
    *classObject = &listbarFactory;
    return PATHWELL_S_OK;
}

int32_t DllCanUnloadNow(void) {
    return liveObjectCount() == 0 ? PATHWELL_S_OK : PATHWELL_S_FALSE;
}

} // extern "C"

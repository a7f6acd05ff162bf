#include <pathwell/entrypoints.h>
#include <pathwell/identifiers.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <dlfcn.h>

namespace {

using RegisterFunction = int32_t (*)();
using GetClassObjectFunction = int32_t (*)(const char *, const char *, void **);

// The library loaded by file name, as a host without its headers would, with the user's
// data folder moved to a temporary one.
class EntryPointsTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dataFolder.isValid());
        previousDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", dataFolder.path().toLocal8Bit());
        library = dlopen(PATHWELL_LIBRARY_FILE, RTLD_NOW);
        ASSERT_NE(library, nullptr) << dlerror();
        registerServer = reinterpret_cast<RegisterFunction>(dlsym(library, "DllRegisterServer"));
        unregisterServer =
            reinterpret_cast<RegisterFunction>(dlsym(library, "DllUnregisterServer"));
        getClassObject =
            reinterpret_cast<GetClassObjectFunction>(dlsym(library, "DllGetClassObject"));
        canUnloadNow = reinterpret_cast<RegisterFunction>(dlsym(library, "DllCanUnloadNow"));
        ASSERT_TRUE(registerServer && unregisterServer && getClassObject && canUnloadNow);
    }

    void TearDown() override {
        if (library)
            dlclose(library);
        if (previousDataHome.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", previousDataHome);
    }

    QString registryFile() const { return dataFolder.filePath("pathwell/registry.ini"); }

    PathwellClassFactory *factoryFor(const char *classId) {
        void *object = nullptr;
        return getClassObject(classId, PATHWELL_CLASS_FACTORY_INTERFACE, &object) == PATHWELL_S_OK
                   ? static_cast<PathwellClassFactory *>(object)
                   : nullptr;
    }

    QTemporaryDir dataFolder;
    QByteArray previousDataHome;
    void *library = nullptr;
    RegisterFunction registerServer = nullptr;
    RegisterFunction unregisterServer = nullptr;
    GetClassObjectFunction getClassObject = nullptr;
    RegisterFunction canUnloadNow = nullptr;
};

} // namespace

TEST_F(EntryPointsTest, RegisteredClassNameCreatesAControl) {
    using namespace PathwellControls::Identifiers;
    EXPECT_EQ(factoryFor(kListbarClassName), nullptr);

    ASSERT_EQ(registerServer(), PATHWELL_S_OK);
    QSettings registry(registryFile(), QSettings::IniFormat);
    EXPECT_EQ(registry.value("ClassNames/PathwellControls.Listbar").toString(), kListbarClass);
    EXPECT_EQ(registry.value("TypeLibrary/Id").toString(), kLibrary);
    EXPECT_EQ(registry.value("TypeLibrary/Version").toString(), "1.0");
    EXPECT_EQ(registry.value("Classes/cImageList").toString(), kImageListClass);
    EXPECT_EQ(registry.value("Interfaces/_Listbar").toString(), kListbarInterface);
    EXPECT_TRUE(QFile::exists(registry.value("TypeLibrary/Path").toString()));

    PathwellClassFactory *factory = factoryFor(kListbarClassName);
    ASSERT_NE(factory, nullptr);
    QWidget parent;
    auto *control = static_cast<QWidget *>(factory->CreateInstance(&parent));
    ASSERT_NE(control, nullptr);
    EXPECT_STREQ(control->metaObject()->className(), "PathwellControls::Listbar");
    EXPECT_EQ(control->parentWidget(), &parent);
    EXPECT_EQ(canUnloadNow(), PATHWELL_S_FALSE);
    delete control;
    EXPECT_EQ(canUnloadNow(), PATHWELL_S_OK);
}

TEST_F(EntryPointsTest, UnregisteringForgetsTheClassNameButNotTheIdentifier) {
    using namespace PathwellControls::Identifiers;
    ASSERT_EQ(registerServer(), PATHWELL_S_OK);
    ASSERT_EQ(unregisterServer(), PATHWELL_S_OK);
    EXPECT_FALSE(QFile::exists(registryFile()));
    EXPECT_EQ(factoryFor(kListbarClassName), nullptr);
    EXPECT_NE(factoryFor(kListbarClass), nullptr);
    EXPECT_EQ(unregisterServer(), PATHWELL_S_OK);
}

TEST_F(EntryPointsTest, ClassObjectRequestsAreChecked) {
    using namespace PathwellControls::Identifiers;
    void *object = &object;
    EXPECT_EQ(getClassObject(kListbarClass, "{00000000-0000-0000-0000-000000000000}", &object),
              PATHWELL_E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(getClassObject(kGroupClass, PATHWELL_CLASS_FACTORY_INTERFACE, &object),
              PATHWELL_CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(getClassObject("PathwellControls.Unknown", PATHWELL_CLASS_FACTORY_INTERFACE, &object),
              PATHWELL_CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(getClassObject(nullptr, PATHWELL_CLASS_FACTORY_INTERFACE, &object),
              PATHWELL_E_POINTER);
    EXPECT_EQ(getClassObject(kListbarClass, PATHWELL_CLASS_FACTORY_INTERFACE, nullptr),
              PATHWELL_E_POINTER);
}

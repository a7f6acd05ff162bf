#pragma once

// The library's four exported entry points, for hosts that load it at run time rather than
// link it: registration of its classes in the library's own registry file, removal of that
// registration, class objects that make controls, and whether the library may be unloaded.

#include <pathwell/pathwell_export.h>

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define PATHWELL_S_OK ((int32_t)0)
#define PATHWELL_S_FALSE ((int32_t)1)
#define PATHWELL_E_NOINTERFACE ((int32_t)0x80004002)
#define PATHWELL_E_POINTER ((int32_t)0x80004003)
#define PATHWELL_CLASS_E_CLASSNOTAVAILABLE ((int32_t)0x80040111)
#define PATHWELL_SELFREG_E_CLASS ((int32_t)0x80040201)

// The interface identifier of PathwellClassFactory.
#define PATHWELL_CLASS_FACTORY_INTERFACE "{A2563CE9-574F-454B-8821-BFC764CEDF30}"

typedef struct PathwellClassFactory {
    // Makes a new control as a child of the given QWidget (or none) and returns it as a
    // QWidget; null when no QApplication exists.
    void *(*CreateInstance)(void *parentWidget);
} PathwellClassFactory;

// Writes the library, its classes, interfaces and the class name "PathwellControls.Listbar"
// to the registry file "pathwell/registry.ini" under the user's data folder.
PATHWELL_EXPORT int32_t DllRegisterServer(void);
// Removes the registry file.
PATHWELL_EXPORT int32_t DllUnregisterServer(void);
// classId is a class identifier, or a class name looked up in the registry file;
// interfaceId must be PATHWELL_CLASS_FACTORY_INTERFACE.
PATHWELL_EXPORT int32_t DllGetClassObject(const char *classId, const char *interfaceId,
                                          void **classObject);
// PATHWELL_S_OK when no object of the library is alive, else PATHWELL_S_FALSE.
PATHWELL_EXPORT int32_t DllCanUnloadNow(void);

#ifdef __cplusplus
}
#endif

// The DLL as a whole: its instance handle, the count of live objects, the lock count
// and the type information every object dispatches through.
#pragma once

#include <windows.h>
#include <oaidl.h>

namespace kova_test {

HINSTANCE ModuleInstance();

// Objects the DLL made that are not destroyed yet (class factories excluded).
LONG LiveObjectCount();
void ObjectCreated();
void ObjectDestroyed();

// IClassFactory::LockServer and references held to the class factories.
void LockModule();
void UnlockModule();

// The type information of an interface or coclass of the embedded type library;
// a new reference in *info.
HRESULT GetTypeInfoOf(REFGUID guid, ITypeInfo** info);

}  // namespace kova_test

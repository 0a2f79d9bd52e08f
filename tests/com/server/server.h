// KovaTest.Server and KovaTest.Plain: a property of each variant type, small methods,
// and events through one connection point. Plain offers no IProvideClassInfo2.
#pragma once

#include "com_base.h"
#include "connection_point.h"
#include "kova_test.h"

namespace kova_test {

class Server final : public TypeInfoDispatch<IKovaServer>,
                     public IProvideClassInfo2,
                     public IConnectionPointContainer,
                     RefCounted<Server>,
                     LiveObject {
public:
    static HRESULT Create(bool class_info, REFIID iid, void** out);

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return AddReference(); }
    STDMETHODIMP_(ULONG) Release() override { return ReleaseReference("Server"); }
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* excep, UINT* arg_error) override;

    STDMETHODIMP get_Long(long* value) override;
    STDMETHODIMP put_Long(long value) override;
    STDMETHODIMP get_Short(short* value) override;
    STDMETHODIMP put_Short(short value) override;
    STDMETHODIMP get_Byte(unsigned char* value) override;
    STDMETHODIMP put_Byte(unsigned char value) override;
    STDMETHODIMP get_Double(double* value) override;
    STDMETHODIMP put_Double(double value) override;
    STDMETHODIMP get_Single(float* value) override;
    STDMETHODIMP put_Single(float value) override;
    STDMETHODIMP get_Bool(VARIANT_BOOL* value) override;
    STDMETHODIMP put_Bool(VARIANT_BOOL value) override;
    STDMETHODIMP get_Text(BSTR* value) override;
    STDMETHODIMP put_Text(BSTR value) override;
    STDMETHODIMP get_Currency(CY* value) override;
    STDMETHODIMP put_Currency(CY value) override;
    STDMETHODIMP get_Date(DATE* value) override;
    STDMETHODIMP put_Date(DATE value) override;
    STDMETHODIMP get_Error(SCODE* value) override;
    STDMETHODIMP put_Error(SCODE value) override;
    STDMETHODIMP get_Variant(VARIANT* value) override;
    STDMETHODIMP put_Variant(VARIANT value) override;
    STDMETHODIMP putref_Variant(VARIANT value) override;
    STDMETHODIMP get_Object(IDispatch** value) override;
    STDMETHODIMP put_Object(IDispatch* value) override;
    STDMETHODIMP putref_Object(IDispatch* value) override;

    STDMETHODIMP Echo(VARIANT value, VARIANT* result) override;
    STDMETHODIMP TypeOf(VARIANT value, long* type) override;
    STDMETHODIMP Add(long a, long b, long* sum) override;
    STDMETHODIMP Concat(BSTR a, BSTR b, BSTR* text) override;
    STDMETHODIMP Fire(long count) override;
    STDMETHODIMP get_Connections(long* count) override;
    STDMETHODIMP get_Items(IKovaItems** items) override;
    STDMETHODIMP MakeItems(long count, long rejections, IKovaItems** items) override;

    STDMETHODIMP GetClassInfo(ITypeInfo** info) override;
    STDMETHODIMP GetGUID(DWORD kind, GUID* guid) override;

    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** out) override;
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** out) override;

private:
    friend class RefCounted<Server>;
    explicit Server(bool class_info) noexcept;
    ~Server();
    HRESULT InvokeCurrency(WORD flags, DISPPARAMS* params, VARIANT* result, UINT* arg_error);

    const bool class_info_;
    com_ptr<ConnectionPoint> events_;
    long long_ = 0;
    short short_ = 0;
    unsigned char byte_ = 0;
    double double_ = 0;
    float single_ = 0;
    VARIANT_BOOL bool_ = VARIANT_FALSE;
    bstr_ptr text_;
    CY currency_ = {};
    DATE date_ = 0;
    SCODE error_ = S_OK;
    owned_variant variant_;
    com_ptr<IDispatch> object_;
};

}  // namespace kova_test

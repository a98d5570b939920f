#pragma once
// The properties a control stores with its host, read and written by name. A control's
// ReadProperties/WriteProperties work against these two classes; behind them is either
// the host's IPropertyBag or a stream (IPersistStreamInit).
#include "ComPtr.h"

#include <ocidl.h>
#include <oleauto.h>

#include <map>
#include <string>

class PropertyReader {
public:
    virtual ~PropertyReader() = default;
    // Fills value (converted to type when type is not VT_EMPTY); false when the
    // property is not stored.
    virtual bool Read(const std::wstring& name, VARTYPE type, VARIANT& value) = 0;

    long ReadLong(const std::wstring& name, long defaultValue);
    bool ReadBool(const std::wstring& name, bool defaultValue);
    std::wstring ReadText(const std::wstring& name, const std::wstring& defaultValue);
};

class PropertyWriter {
public:
    virtual ~PropertyWriter() = default;
    virtual void Write(const std::wstring& name, const VARIANT& value) = 0;

    // A value equal to its default is not stored; reading then gives the default.
    void WriteLong(const std::wstring& name, long value, long defaultValue);
    void WriteBool(const std::wstring& name, bool value, bool defaultValue);
    void WriteText(const std::wstring& name, const std::wstring& value, const std::wstring& defaultValue);
};

class BagPropertyReader : public PropertyReader {
public:
    BagPropertyReader(IPropertyBag* bag, IErrorLog* log) : bag_(bag), log_(log) {}
    bool Read(const std::wstring& name, VARTYPE type, VARIANT& value) override;

private:
    IPropertyBag* bag_;
    IErrorLog* log_;
};

class BagPropertyWriter : public PropertyWriter {
public:
    explicit BagPropertyWriter(IPropertyBag* bag) : bag_(bag) {}
    void Write(const std::wstring& name, const VARIANT& value) override;

private:
    IPropertyBag* bag_;
};

// Named properties kept in memory and moved to and from a stream as a small record:
// a format tag, the count, then per property its name, its type and its value as
// invariant text.
class StreamProperties : public PropertyReader, public PropertyWriter {
public:
    StreamProperties() = default;
    ~StreamProperties() override;
    StreamProperties(const StreamProperties&) = delete;
    StreamProperties& operator=(const StreamProperties&) = delete;

    bool Read(const std::wstring& name, VARTYPE type, VARIANT& value) override;
    void Write(const std::wstring& name, const VARIANT& value) override;

    HRESULT LoadFrom(IStream* stream);
    HRESULT SaveTo(IStream* stream) const;
    ULONGLONG SizeMax() const;

private:
    struct Stored {
        VARTYPE type;
        std::wstring text;
    };
    std::map<std::wstring, Stored> values_;
};

#include "Message.h"

#include <TypeConstants.h>

#include <string>
#include <variant>
#include <vector>

namespace {

// A block of bytes, of the type its field was added with.
using Bytes = std::vector<uint8>;
using Value = std::variant<int8, int32, int64, std::string, BPoint, Bytes>;

template <typename T>
constexpr type_code TypeCodeOf()
{
    if constexpr (std::is_same_v<T, int8>)
        return B_INT8_TYPE;
    else if constexpr (std::is_same_v<T, int32>)
        return B_INT32_TYPE;
    else if constexpr (std::is_same_v<T, int64>)
        return B_INT64_TYPE;
    else if constexpr (std::is_same_v<T, BPoint>)
        return B_POINT_TYPE;
    else
        return B_STRING_TYPE;
}

struct Field {
    std::string name;
    type_code type;
    std::vector<Value> values;
};

} // namespace

struct BMessage::Fields {
    std::vector<Field> list;

    const Field* Find(const char* name) const
    {
        for (const Field& field : list)
            if (field.name == name)
                return &field;
        return nullptr;
    }

    template <typename T>
    status_t Add(const char* name, T value, type_code type = TypeCodeOf<T>())
    {
        if (name == nullptr)
            return B_BAD_VALUE;
        Field* field = const_cast<Field*>(Find(name));
        if (field == nullptr) {
            list.push_back(Field{name, type, {}});
            field = &list.back();
        } else if (field->type != type || !std::holds_alternative<T>(field->values.front())) {
            // One field holds one kind of value, whatever type code the caller gave.
            return B_BAD_TYPE;
        }
        field->values.emplace_back(std::move(value));
        return B_OK;
    }

    template <typename T>
    status_t Lookup(const char* name, int32 index, const T** value,
                    type_code type = TypeCodeOf<T>()) const
    {
        if (name == nullptr || value == nullptr)
            return B_BAD_VALUE;
        const Field* field = Find(name);
        if (field == nullptr)
            return B_NAME_NOT_FOUND;
        if (field->type != type || !std::holds_alternative<T>(field->values.front()))
            return B_BAD_TYPE;
        if (index < 0 || index >= static_cast<int32>(field->values.size()))
            return B_BAD_INDEX;
        *value = &std::get<T>(field->values[index]);
        return B_OK;
    }

    template <typename T>
    status_t Copy(const char* name, int32 index, T* out) const
    {
        if (out == nullptr)
            return B_BAD_VALUE;
        const T* value = nullptr;
        status_t status = Lookup(name, index, &value);
        if (status == B_OK)
            *out = *value;
        return status;
    }
};

BMessage::BMessage() : fFields(std::make_unique<Fields>()) {}

BMessage::BMessage(uint32 code) : what(code), fFields(std::make_unique<Fields>()) {}

BMessage::BMessage(const BMessage& other)
    : what(other.what), fFields(std::make_unique<Fields>(*other.fFields))
{
}

BMessage& BMessage::operator=(const BMessage& other)
{
    if (this != &other) {
        what = other.what;
        *fFields = *other.fFields;
    }
    return *this;
}

BMessage::~BMessage() = default;

status_t BMessage::AddInt8(const char* name, int8 value) { return fFields->Add(name, value); }
status_t BMessage::AddInt32(const char* name, int32 value) { return fFields->Add(name, value); }
status_t BMessage::AddInt64(const char* name, int64 value) { return fFields->Add(name, value); }

status_t BMessage::AddString(const char* name, const char* value)
{
    if (value == nullptr)
        return B_BAD_VALUE;
    return fFields->Add(name, std::string(value));
}

status_t BMessage::AddPoint(const char* name, BPoint value) { return fFields->Add(name, value); }

status_t BMessage::FindPoint(const char* name, BPoint* value) const
{
    return fFields->Copy(name, 0, value);
}

status_t BMessage::FindString(const char* name, const char** value) const
{
    const std::string* found = nullptr;
    const status_t status = value != nullptr ? fFields->Lookup(name, 0, &found) : B_BAD_VALUE;
    if (status == B_OK)
        *value = found->c_str();
    return status;
}

status_t BMessage::AddData(const char* name, type_code type, const void* data, ssize_t numBytes)
{
    if (data == nullptr || numBytes < 0)
        return B_BAD_VALUE;
    const auto* first = static_cast<const uint8*>(data);
    return fFields->Add(name, Bytes(first, first + numBytes), type);
}

status_t BMessage::FindData(const char* name, type_code type, const void** data,
                            ssize_t* numBytes) const
{
    if (data == nullptr || numBytes == nullptr)
        return B_BAD_VALUE;
    const Bytes* found = nullptr;
    const status_t status = fFields->Lookup(name, 0, &found, type);
    if (status == B_OK) {
        *data = found->data();
        *numBytes = ssize_t(found->size());
    }
    return status;
}

status_t BMessage::FindInt8(const char* name, int8* value) const
{
    return FindInt8(name, 0, value);
}
status_t BMessage::FindInt32(const char* name, int32* value) const
{
    return FindInt32(name, 0, value);
}

status_t BMessage::FindInt8(const char* name, int32 index, int8* value) const
{
    return fFields->Copy(name, index, value);
}

status_t BMessage::FindInt32(const char* name, int32 index, int32* value) const
{
    return fFields->Copy(name, index, value);
}

status_t BMessage::GetInfo(const char* name, type_code* type, int32* count) const
{
    if (name == nullptr)
        return B_BAD_VALUE;
    const Field* field = fFields->Find(name);
    if (field == nullptr)
        return B_NAME_NOT_FOUND;
    if (type != nullptr)
        *type = field->type;
    if (count != nullptr)
        *count = static_cast<int32>(field->values.size());
    return B_OK;
}

status_t BMessage::RemoveName(const char* name)
{
    if (name == nullptr)
        return B_BAD_VALUE;
    auto& list = fFields->list;
    auto erased = std::erase_if(list, [name](const Field& field) { return field.name == name; });
    return erased != 0 ? B_OK : B_NAME_NOT_FOUND;
}

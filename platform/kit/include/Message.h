#ifndef PCIZ_KIT_MESSAGE_H
#define PCIZ_KIT_MESSAGE_H

#include <SupportDefs.h>

#include <memory>

// A 32-bit code and named, typed fields. A name holds values of one type only; adding to an
// existing name appends. Find* with a missing name, another type or an index past the values
// fails with an error code and leaves the output alone.
class BMessage {
public:
    uint32 what = 0;

    BMessage();
    explicit BMessage(uint32 what);
    BMessage(const BMessage& other);
    BMessage& operator=(const BMessage& other);
    ~BMessage();

    status_t AddBool(const char* name, bool value);
    status_t AddInt8(const char* name, int8 value);
    status_t AddInt16(const char* name, int16 value);
    status_t AddInt32(const char* name, int32 value);
    status_t AddInt64(const char* name, int64 value);
    status_t AddString(const char* name, const char* value);

    status_t FindBool(const char* name, bool* value) const;
    status_t FindBool(const char* name, int32 index, bool* value) const;
    status_t FindInt8(const char* name, int8* value) const;
    status_t FindInt8(const char* name, int32 index, int8* value) const;
    status_t FindInt16(const char* name, int16* value) const;
    status_t FindInt16(const char* name, int32 index, int16* value) const;
    status_t FindInt32(const char* name, int32* value) const;
    status_t FindInt32(const char* name, int32 index, int32* value) const;
    status_t FindInt64(const char* name, int64* value) const;
    status_t FindInt64(const char* name, int32 index, int64* value) const;
    // The text stays valid while the message is unchanged.
    status_t FindString(const char* name, const char** value) const;
    status_t FindString(const char* name, int32 index, const char** value) const;

    // Type and number of values of one field.
    status_t GetInfo(const char* name, type_code* type, int32* count) const;
    status_t RemoveName(const char* name);
    int32 CountNames() const;
    bool IsEmpty() const;
    void MakeEmpty();

private:
    struct Fields;
    std::unique_ptr<Fields> fFields;
};

#endif

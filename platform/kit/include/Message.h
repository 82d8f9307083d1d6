#ifndef PCIZ_KIT_MESSAGE_H
#define PCIZ_KIT_MESSAGE_H

#include <Point.h>
#include <SupportDefs.h>

#include <memory>

#include <sys/types.h>

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

    status_t AddInt8(const char* name, int8 value);
    status_t AddInt32(const char* name, int32 value);
    status_t AddInt64(const char* name, int64 value);
    status_t AddString(const char* name, const char* value);
    status_t AddPoint(const char* name, BPoint value);
    // A block of bytes of the given type, such as B_RAW_TYPE, copied into the message.
    status_t AddData(const char* name, type_code type, const void* data, ssize_t numBytes);

    status_t FindInt8(const char* name, int8* value) const;
    status_t FindInt8(const char* name, int32 index, int8* value) const;
    status_t FindInt32(const char* name, int32* value) const;
    status_t FindInt32(const char* name, int32 index, int32* value) const;
    status_t FindPoint(const char* name, BPoint* value) const;
    // The text stays the message's: valid while the message lives and is not changed.
    status_t FindString(const char* name, const char** value) const;
    // The block stays the message's: valid while the message lives and is not changed.
    status_t FindData(const char* name, type_code type, const void** data, ssize_t* numBytes) const;

    // Type and number of values of one field.
    status_t GetInfo(const char* name, type_code* type, int32* count) const;
    status_t RemoveName(const char* name);

private:
    struct Fields;
    std::unique_ptr<Fields> fFields;
};

#endif

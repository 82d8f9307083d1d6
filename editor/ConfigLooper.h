#ifndef PCIZ_EDITOR_CONFIG_LOOPER_H
#define PCIZ_EDITOR_CONFIG_LOOPER_H

#include <Looper.h>
#include <Message.h>
#include <Messenger.h>

#include <atomic>
#include <memory>
#include <optional>

// The editor's work on the bus, on a thread of its own: it reads a page of a function's
// configuration space one byte at a time and writes single bytes, in the order asked, and
// sends each page it reads back to the editor in one message. A slow or dying device keeps
// this thread waiting, never a window.
class ConfigLooper : public BLooper {
public:
    static constexpr int32 kPageSize = 256;

    // newestRequest is the serial of the newest request whose bytes the editor waits for: the
    // reading of a page or of the space asked for earlier stops between two reads, as that
    // request makes its bytes useless. A write and the reading after it always run to the end.
    ConfigLooper(BMessenger editor, std::shared_ptr<const std::atomic<int32>> newestRequest);

    // A byte to write at offset of a function.
    struct ByteWrite {
        uint8 bus = 0;
        uint8 device = 0;
        uint8 function = 0;
        int32 offset = 0;
        int8 data = 0;
    };

    // The request to write a byte, and to read back the page holding it.
    static BMessage WriteJob(const ByteWrite& write);
    // The byte a message made by WriteJob asks to write; none where a field is missing.
    static std::optional<ByteWrite> FindWrite(const BMessage* job);

    void MessageReceived(BMessage* message) override;

private:
    void ReadPage(BMessage* request);
    void ReadSpace(BMessage* request);
    void WriteByte(BMessage* job);
    // Reads count bytes from first into reply; false when the reading was stopped: by a quit,
    // or by a newer request when stoppable.
    bool ReadInto(BMessage* reply, int32 first, int32 count, bool stoppable);

    BMessenger fEditor;
    std::shared_ptr<const std::atomic<int32>> fNewestRequest;
};

#endif

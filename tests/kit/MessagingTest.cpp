#include "KitTestSupport.h"

#include <AppDefs.h>
#include <Application.h>
#include <Message.h>
#include <Messenger.h>

#include <TypeConstants.h>

#include <gtest/gtest.h>

#include <latch>
#include <thread>

namespace {

// A plain looper that notes what it is handed and on which thread; a message of code kHold
// waits in its handler until the test lets it go.
class ThreadLooper : public BLooper {
public:
    static constexpr uint32 kHold = 1;

    ThreadLooper(std::vector<uint32>& handled, std::thread::id& thread, std::latch& release,
                 bool& deleted)
        : fHandled(handled), fThread(thread), fRelease(release), fDeleted(deleted)
    {
    }
    ~ThreadLooper() override { fDeleted = true; }
    void MessageReceived(BMessage* message) override
    {
        fThread = std::this_thread::get_id();
        const void* data = nullptr;
        ssize_t size = 0;
        fHandled.push_back(message->FindData("block", B_RAW_TYPE, &data, &size) == B_OK
                               ? uint32(size)
                               : message->what);
        if (message->what == kHold) {
            held.count_down();
            fRelease.wait();
        }
    }

    std::latch held{1};

private:
    std::vector<uint32>& fHandled;
    std::thread::id& fThread;
    std::latch& fRelease;
    bool& fDeleted;
};

// Records what it is handed, and how often it was asked to quit.
class RecordingWindow : public BWindow {
public:
    explicit RecordingWindow(bool agreesToQuit)
        : BWindow(BRect(10, 10, 110, 60), "recording", B_TITLED_WINDOW, 0), agrees(agreesToQuit)
    {
    }
    void MessageReceived(BMessage* message) override { codes.push_back(message->what); }
    bool QuitRequested() override
    {
        ++quitRequests;
        return agrees;
    }

    std::vector<uint32> codes;
    int quitRequests = 0;
    bool agrees;
};

} // namespace

TEST(Looper, MessagesArriveAsCopiesInOrderAndNeverAfterTheLooperQuit)
{
    auto* window = new RecordingWindow(true);
    BMessage message(100);
    window->PostMessage(&message);
    message.what = 101;
    window->PostMessage(1);
    window->PostMessage(2);
    EXPECT_TRUE(window->codes.empty());
    kittest::DeliverPostedMessages();
    EXPECT_EQ(window->codes, (std::vector<uint32>{100, 1, 2}));

    BMessenger messenger(window);
    window->Quit();
    EXPECT_EQ(messenger.SendMessage(2), B_BAD_PORT_ID);
    EXPECT_EQ(messenger.ActivateTarget(), B_BAD_PORT_ID);
    kittest::DeliverPostedMessages();
}

TEST(Application, QuitRequestAsksEveryWindowAndEndsRunOnceAllAgree)
{
    BApplication app("application/x-vnd.test");
    auto* refuser = new RecordingWindow(false);
    new RecordingWindow(true);
    app.PostMessage(B_QUIT_REQUESTED);
    kittest::DeliverPostedMessages();
    EXPECT_EQ(app.CountWindows(), 1);
    EXPECT_FALSE(app.IsQuitting());

    refuser->agrees = true;
    app.PostMessage(B_QUIT_REQUESTED);
    app.Run();
    EXPECT_EQ(refuser->quitRequests, 2);
    EXPECT_EQ(app.PostMessage(B_QUIT_REQUESTED), B_BAD_PORT_ID);
}

// Run starts a thread that takes the messages in the order posted, those posted before it
// ran too; Quit ends it after the message in hand, without waiting for it, and drops the rest.
TEST(Looper, APlainLooperRunsOnAThreadOfItsOwnAndQuitEndsItAfterTheMessageInHand)
{
    std::vector<uint32> handled;
    std::thread::id thread;
    std::latch release(1);
    bool deleted = false;
    auto* looper = new ThreadLooper(handled, thread, release, deleted);
    BMessenger messenger(looper);
    looper->PostMessage(7);
    looper->Run();
    BMessage block(8);
    const uint8 bytes[300] = {};
    block.AddData("block", B_RAW_TYPE, bytes, sizeof(bytes));
    std::thread([&] { messenger.SendMessage(&block); }).join();
    kittest::DeliverPostedMessages();
    EXPECT_EQ(handled, (std::vector<uint32>{7, 300}));
    EXPECT_NE(thread, std::this_thread::get_id());

    looper->PostMessage(ThreadLooper::kHold);
    looper->held.wait();
    looper->PostMessage(9);
    looper->Quit();
    EXPECT_EQ(messenger.SendMessage(10), B_BAD_PORT_ID);
    EXPECT_FALSE(deleted);
    release.count_down();
    kittest::DeliverPostedMessages();
    EXPECT_TRUE(deleted);
    EXPECT_EQ(handled, (std::vector<uint32>{7, 300, ThreadLooper::kHold}));
}

// Bytes under a number's type code are refused, not kept where a number is looked for.
TEST(Message, AFieldHoldsOneKindOfValueWhateverTypeCodeIsGiven)
{
    BMessage message(1);
    const int32 raw = 5;
    ASSERT_EQ(message.AddInt32("n", 1), B_OK);
    EXPECT_EQ(message.AddData("n", B_INT32_TYPE, &raw, sizeof(raw)), B_BAD_TYPE);
    int32 value = 0;
    EXPECT_EQ(message.FindInt32("n", 1, &value), B_BAD_INDEX);
}

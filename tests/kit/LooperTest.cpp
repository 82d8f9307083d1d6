#include "KitTestSupport.h"

#include <AppDefs.h>
#include <Application.h>
#include <Message.h>
#include <Messenger.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records what it is handed, and whether it was asked to quit and destroyed.
class RecordingWindow : public BWindow {
public:
    RecordingWindow(bool agreesToQuit, bool* destroyed)
        : BWindow(BRect(10, 10, 110, 60), "recording", B_TITLED_WINDOW, 0),
          agrees(agreesToQuit), fDestroyed(destroyed)
    {
    }
    ~RecordingWindow() override { *fDestroyed = true; }
    void MessageReceived(BMessage* message) override { received.push_back(*message); }
    bool QuitRequested() override
    {
        ++quitRequests;
        return agrees;
    }

    std::vector<BMessage> received;
    int quitRequests = 0;
    bool agrees;

private:
    bool* fDestroyed;
};

} // namespace

TEST(Looper, MessagesArriveAsCopiesInOrderAndNeverAfterTheLooperQuit)
{
    bool destroyed = false;
    auto* window = new RecordingWindow(true, &destroyed);
    BMessage message(100);
    window->PostMessage(&message);
    message.what = 101;
    for (uint32 code = 0; code < 20; ++code)
        window->PostMessage(code);
    EXPECT_TRUE(window->received.empty());
    kittest::DeliverPostedMessages();
    ASSERT_EQ(window->received.size(), 21u);
    EXPECT_EQ(window->received[0].what, 100u);
    for (uint32 code = 0; code < 20; ++code)
        EXPECT_EQ(window->received[code + 1].what, code);

    BMessenger messenger(window);
    window->PostMessage(1);
    window->Quit();
    EXPECT_EQ(messenger.SendMessage(2), B_BAD_PORT_ID);
    EXPECT_EQ(messenger.ActivateTarget(), B_BAD_PORT_ID);
    // Queued before the quit, never handled: the window is destroyed unread.
    kittest::DeliverPostedMessages();
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(messenger.SendMessage(2), B_BAD_PORT_ID);
}

TEST(Application, QuitRequestAsksEveryWindowAndEndsRunOnceAllAgree)
{
    BApplication app("application/x-vnd.test");
    bool refuserDestroyed = false;
    bool agreerDestroyed = false;
    auto* refuser = new RecordingWindow(false, &refuserDestroyed);
    new RecordingWindow(true, &agreerDestroyed);
    // The close button asks the window alone.
    kittest::CloseWindow(refuser);
    kittest::DeliverPostedMessages();
    EXPECT_EQ(refuser->quitRequests, 1);
    app.PostMessage(B_QUIT_REQUESTED);
    kittest::DeliverPostedMessages();
    EXPECT_TRUE(agreerDestroyed);
    EXPECT_EQ(app.CountWindows(), 1);
    EXPECT_FALSE(app.IsQuitting());

    refuser->agrees = true;
    app.PostMessage(B_QUIT_REQUESTED);
    app.Run();
    EXPECT_EQ(refuser->quitRequests, 3);
    EXPECT_EQ(app.PostMessage(B_QUIT_REQUESTED), B_BAD_PORT_ID);
}

#include "KitTestSupport.h"

#include <AppDefs.h>
#include <Application.h>
#include <Message.h>
#include <Messenger.h>

#include <gtest/gtest.h>

namespace {

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

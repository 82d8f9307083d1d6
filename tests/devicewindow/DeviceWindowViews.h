#ifndef PCIZ_TESTS_DEVICE_WINDOW_VIEWS_H
#define PCIZ_TESTS_DEVICE_WINDOW_VIEWS_H

// The device window's views, collected in the order the window adds them; the names met on
// the way are checked, so a view added out of place fails the collection.

#include <PciStringView.h>
#include <DeviceRows.h>
#include <Window.h>

#include <gtest/gtest.h>

#include <string>

struct DeviceWindowViews {
    PciStringView* version = nullptr;
    PciStringView* labels[ordinary::Count] = {};
    PciStringView* values[ordinary::Count] = {};
    PciStringView* vendorName = nullptr;
    PciStringView* subclassName = nullptr;
    PciStringView* className = nullptr;
    PciStringView* subsystemVendorName = nullptr;
    PciStringView* bridgeLabels[bridge::Count] = {};
    PciStringView* bridgeValues[bridge::Count] = {};
};

class ViewWalker {
public:
    explicit ViewWalker(const BWindow* window) : fWindow(window) {}

    PciStringView* Next(const char* expectedName)
    {
        BView* view = fWindow->ChildAt(fNext++);
        EXPECT_NE(view, nullptr) << "missing view " << expectedName;
        if (view == nullptr)
            return nullptr;
        EXPECT_EQ(std::string(view->Name()), expectedName) << "child " << fNext - 1;
        return dynamic_cast<PciStringView*>(view);
    }
    void Skip(int count) { fNext += count; }
    bool AtEnd() const { return fNext == fWindow->CountChildren(); }

private:
    const BWindow* fWindow;
    int32 fNext = 0;
};

inline DeviceWindowViews CollectViews(const BWindow* window)
{
    DeviceWindowViews views;
    ViewWalker walker(window);
    views.version = walker.Next("version");
    walker.Next("EditButton");
    walker.Next("devicemenu");
    for (int row = 0; row < ordinary::Count; ++row) {
        if (row == ordinary::CardBusCis)
            continue;
        const char* name = kOrdinaryRows[row].label;
        if (row == ordinary::VendorId)
            views.vendorName = walker.Next(name);
        if (row == ordinary::ClassSub)
            views.subclassName = walker.Next(name);
        if (row == ordinary::ClassBase)
            views.className = walker.Next(name);
        if (row == ordinary::SubsystemVendorId)
            views.subsystemVendorName = walker.Next(name);
        views.labels[row] = walker.Next(name);
        views.values[row] = walker.Next(name);
    }
    for (int row = 0; row < bridge::Count; ++row) {
        views.bridgeLabels[row] = walker.Next(kBridgeRows[row].label);
        views.bridgeValues[row] = walker.Next("");
    }
    EXPECT_TRUE(walker.AtEnd());
    return views;
}

#endif

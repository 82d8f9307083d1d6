#ifndef PCIZ_DEVICEWINDOW_PCI_WINDOW_H
#define PCIZ_DEVICEWINDOW_PCI_WINDOW_H

#include "DeviceRows.h"
#include "ExplainedView.h"

#include <Messenger.h>
#include <PCI.h>
#include <PciMachine.h>
#include <Window.h>

#include <vector>

class PciStringView;

// The main window: a snapshot of the machine's PCI functions taken when it is built, a menu
// to pick one, and that function's header decoded into rows of labels and values. Closing it
// ends the program.
class PciWindow : public BWindow {
public:
    explicit PciWindow(BRect frame);
    ~PciWindow() override;

    void MessageReceived(BMessage* message) override;
    bool QuitRequested() override;

    // Puts the decoded header of device-table entry index on the window, switching between the
    // ordinary and the bridge rows as its header type needs. An index past the table shows
    // nothing.
    void ShowDevice(uint32 index);

private:
    // Construction
    void AddVersionView();
    void AddEditButton();
    void AddDeviceMenu();
    void TakeDeviceSnapshot();
    void SayThereAreNoFunctions();

    // Rows
    void AddRows();
    void AddOrdinaryRow(ordinary::Row row, float& y);
    void AddBridgeRow(bridge::Row row, float& y);
    void AddRowViews(const RowPlacement& place, float y, const char* labelText,
                     const char* valueName, PciStringView*& label, PciStringView*& value,
                     ExplainedView::Explanation explain);

    // Display
    void ShowCommonRows(const pci_info& record, const pci_location& location);
    void ShowOrdinaryRows(const pci_info& record);
    void ShowBridgeRows(const pci_info& record);
    void EmptyCardbusLackingRows();
    std::string ExplainShown(ordinary::Row row) const;
    std::string ExplainShown(bridge::Row row) const;
    void SwitchToOrdinaryRows();
    void SwitchToBridgeRows();

    // Commands
    void OpenOrRaiseEditor();
    void SelectDevice(BMessage* message);
    bool IsDeviceSelection(uint32 code) const;

    uint32 fCurrentDevice = 0;
    // Room for every function the bus reports, however many (docs/departures.md).
    std::vector<pci_info> fDevices;
    // Where each really sits: its bus number in the record may stand in for another.
    std::vector<pci_location> fLocations;
    PciStringView* fRowLabels[ordinary::Count] = {};
    PciStringView* fRowValues[ordinary::Count] = {};
    // The vendor, class and subclass names beside the rows they name.
    PciStringView* fNames[ordinary::Count] = {};
    PciStringView* fBridgeLabels[bridge::Count] = {};
    PciStringView* fBridgeValues[bridge::Count] = {};
    // The editor is reached only through this: once it has quit, nothing reaches it.
    BMessenger fEditor;
    int32 fBridgeLayout = 0;
    PciStringView* fVersion = nullptr;
};

#endif

// Capabilities of the chain that starts in the header: every ID by name, and the registers
// of power management, MSI, MSI-X, PCI Express, vendor-specific and bridge subsystem IDs.

#include "RegisterTables.h"

#include <algorithm>

#include <linux/pci_regs.h>

using namespace tables;
using enum FieldFormat;

namespace {

constexpr Register kHeader[] = {
    {PCI_CAP_LIST_ID, 1, "Capability ID", RO},
    {PCI_CAP_LIST_NEXT, 1, "Next Capability Pointer", RO},
};

// ---- Power management ----------------------------------------------------------------------

constexpr const char* kAuxCurrent[] = {"0mA",   "55mA",  "100mA", "160mA",
                                       "220mA", "270mA", "320mA", "375mA"};
constexpr const char* kPowerStates[] = {"D0", "D1", "D2", "D3hot"};

constexpr Field kPmCapabilities[] = {
    {PCI_PM_CAP_VER_MASK, "Version"},
    {PCI_PM_CAP_PME_CLOCK, "PMEClk"},
    {PCI_PM_CAP_DSI, "DSI"},
    {.mask = PCI_PM_CAP_AUX_POWER, .name = "AuxCurrent", .words = kAuxCurrent},
    {PCI_PM_CAP_D1, "D1"},
    {PCI_PM_CAP_D2, "D2"},
    {PCI_PM_CAP_PME_D0, "PME(D0)"},
    {PCI_PM_CAP_PME_D1, "PME(D1)"},
    {PCI_PM_CAP_PME_D2, "PME(D2)"},
    {PCI_PM_CAP_PME_D3hot, "PME(D3hot)"},
    {PCI_PM_CAP_PME_D3cold, "PME(D3cold)"},
};

constexpr Field kPmControl[] = {
    {.mask = PCI_PM_CTRL_STATE_MASK, .name = "PowerState", .access = RW, .words = kPowerStates},
    {PCI_PM_CTRL_NO_SOFT_RESET, "NoSoftRst"},
    {PCI_PM_CTRL_PME_ENABLE, "PME-Enable", RW},
    {PCI_PM_CTRL_DATA_SEL_MASK, "DSel", RW},
    {PCI_PM_CTRL_DATA_SCALE_MASK, "DScale"},
    {PCI_PM_CTRL_PME_STATUS, "PME", RW1C},
};

constexpr Field kPmBridgeExtensions[] = {
    {PCI_PM_PPB_B2_B3, "B2/B3"},
    {PCI_PM_BPCC_ENABLE, "BPCC"},
};

constexpr Register kPowerManagement[] = {
    {PCI_PM_PMC, 2, "Power Management Capabilities", RO, kPmCapabilities},
    {PCI_PM_CTRL, 2, "Power Management Control/Status", RO, kPmControl},
    {PCI_PM_PPB_EXTENSIONS, 1, "Bridge Support Extensions", RO, kPmBridgeExtensions},
    {PCI_PM_DATA_REGISTER, 1, "Data", RO},
};

// ---- MSI: 32- or 64-bit, with or without per-vector masking --------------------------------

constexpr const char* kVectors[] = {"1", "2", "4", "8", "16", "32"};

constexpr Field kMsiControl[] = {
    {PCI_MSI_FLAGS_ENABLE, "Enable", RW},
    {.mask = PCI_MSI_FLAGS_QMASK, .name = "MultipleMessageCapable", .words = kVectors},
    {.mask = PCI_MSI_FLAGS_QSIZE, .name = "MultipleMessageEnable", .access = RW, .words = kVectors},
    {PCI_MSI_FLAGS_64BIT, "64bit"},
    {PCI_MSI_FLAGS_MASKBIT, "Maskable"},
};

using shape::kMsi32;
using shape::kMsi64;
using shape::kMsiMask;

constexpr Register kMsi[] = {
    {PCI_MSI_FLAGS, 2, "Message Control", RO, kMsiControl},
    {PCI_MSI_ADDRESS_LO, 4, "Message Address", RW},
    {PCI_MSI_ADDRESS_HI, 4, "Message Upper Address", RW, {}, kMsi64},
    {PCI_MSI_DATA_32, 2, "Message Data", RW, {}, kMsi32},
    {PCI_MSI_DATA_64, 2, "Message Data", RW, {}, kMsi64},
    {PCI_MSI_MASK_32, 4, "Mask Bits", RW, {}, kMsi32 | kMsiMask},
    {PCI_MSI_PENDING_32, 4, "Pending Bits", RO, {}, kMsi32 | kMsiMask},
    {PCI_MSI_MASK_64, 4, "Mask Bits", RW, {}, kMsi64 | kMsiMask},
    {PCI_MSI_PENDING_64, 4, "Pending Bits", RO, {}, kMsi64 | kMsiMask},
};

Shape MsiShape(const ConfigBytes& bytes, int32 at, const FunctionFacts&)
{
    const uint32 control = bytes.Read(at + PCI_MSI_FLAGS, 2);
    const bool wide = (control & PCI_MSI_FLAGS_64BIT) != 0;
    if ((control & PCI_MSI_FLAGS_MASKBIT) == 0)
        return {wide ? kMsi64 : kMsi32, (wide ? PCI_MSI_DATA_64 : PCI_MSI_DATA_32) + 2};
    return {(wide ? kMsi64 : kMsi32) | kMsiMask,
            (wide ? PCI_MSI_PENDING_64 : PCI_MSI_PENDING_32) + 4};
}

// ---- MSI-X -----------------------------------------------------------------------------------

constexpr Field kMsixControl[] = {
    {PCI_MSIX_FLAGS_ENABLE, "Enable", RW},
    {.mask = PCI_MSIX_FLAGS_QSIZE, .name = "Count", .format = Count},
    {PCI_MSIX_FLAGS_MASKALL, "Masked", RW},
};

constexpr Field kMsixTable[] = {
    {PCI_MSIX_TABLE_BIR, "BAR"},
    {.mask = PCI_MSIX_TABLE_OFFSET, .name = "offset", .format = Address},
};

constexpr Register kMsix[] = {
    {PCI_MSIX_FLAGS, 2, "Message Control", RO, kMsixControl},
    {PCI_MSIX_TABLE, 4, "Table Offset/Table BIR", RO, kMsixTable},
    {PCI_MSIX_PBA, 4, "PBA Offset/PBA BIR", RO, kMsixTable},
};

// ---- Vendor-specific: a length byte, then the vendor's own registers -----------------------

constexpr int32 kVendorLength = PCI_CAP_FLAGS;

constexpr Register kVendorSpecific[] = {
    {kVendorLength, 1, "Capability Length", RO},
    {kVendorLength + 1, 0, "Vendor-Specific Data", RO},
};

Shape VendorSpecificShape(const ConfigBytes& bytes, int32 at, const FunctionFacts&)
{
    return {0, std::max<int32>(int32(bytes.Read(at + kVendorLength, 1)), kVendorLength + 1)};
}

// ---- Bridge subsystem vendor ID ---------------------------------------------------------------

constexpr Register kSubsystemIds[] = {
    {PCI_CAP_FLAGS, 2, "Reserved", Rsvd},
    {PCI_SSVID_VENDOR_ID, 2, "Subsystem Vendor ID", RO},
    {PCI_SSVID_DEVICE_ID, 2, "Subsystem ID", RO},
};

// ---- PCI Express ----------------------------------------------------------------------------

constexpr const char* kDeviceTypes[] = {"Endpoint",
                                        "Legacy Endpoint",
                                        nullptr,
                                        nullptr,
                                        "Root Port",
                                        "Upstream Port",
                                        "Downstream Port",
                                        "PCIe to PCI/PCI-X Bridge",
                                        "PCI/PCI-X to PCIe Bridge",
                                        "Root Complex Integrated Endpoint",
                                        "Root Complex Event Collector"};

constexpr Field kPcieCapabilities[] = {
    {PCI_EXP_FLAGS_VERS, "Version"},
    {.mask = PCI_EXP_FLAGS_TYPE, .name = "Type", .words = kDeviceTypes},
    {PCI_EXP_FLAGS_SLOT, "Slot"},
    {PCI_EXP_FLAGS_IRQ, "IntMsg"},
};

constexpr const char* kPayloads[] = {"128 bytes",  "256 bytes",  "512 bytes",
                                     "1024 bytes", "2048 bytes", "4096 bytes"};
constexpr const char* kL0sLatencies[] = {"<64ns", "<128ns", "<256ns", "<512ns",
                                         "<1us",  "<2us",   "<4us",   "unlimited"};
constexpr const char* kL1Latencies[] = {"<1us",  "<2us",  "<4us",  "<8us",
                                        "<16us", "<32us", "<64us", "unlimited"};
constexpr const char* kPowerScales[] = {"1.0x", "0.1x", "0.01x", "0.001x"};

constexpr Field kDeviceCapabilities[] = {
    {.mask = PCI_EXP_DEVCAP_PAYLOAD, .name = "MaxPayload", .words = kPayloads},
    {PCI_EXP_DEVCAP_PHANTOM, "PhantFunc"},
    {PCI_EXP_DEVCAP_EXT_TAG, "ExtTag"},
    {.mask = PCI_EXP_DEVCAP_L0S, .name = "L0sLatency", .words = kL0sLatencies},
    {.mask = PCI_EXP_DEVCAP_L1, .name = "L1Latency", .words = kL1Latencies},
    {PCI_EXP_DEVCAP_ATN_BUT, "AttnBtn"},
    {PCI_EXP_DEVCAP_ATN_IND, "AttnInd"},
    {PCI_EXP_DEVCAP_PWR_IND, "PwrInd"},
    {PCI_EXP_DEVCAP_RBER, "RBE"},
    {PCI_EXP_DEVCAP_PWR_VAL, "SlotPowerLimit"},
    {.mask = PCI_EXP_DEVCAP_PWR_SCL, .name = "SlotPowerScale", .words = kPowerScales},
    {PCI_EXP_DEVCAP_FLR, "FLReset"},
};

constexpr Field kDeviceControl[] = {
    {PCI_EXP_DEVCTL_CERE, "CorrErr"},
    {PCI_EXP_DEVCTL_NFERE, "NonFatalErr"},
    {PCI_EXP_DEVCTL_FERE, "FatalErr"},
    {PCI_EXP_DEVCTL_URRE, "UnsupReq"},
    {PCI_EXP_DEVCTL_RELAX_EN, "RlxdOrd"},
    {.mask = PCI_EXP_DEVCTL_PAYLOAD, .name = "MaxPayload", .words = kPayloads},
    {PCI_EXP_DEVCTL_EXT_TAG, "ExtTag"},
    {PCI_EXP_DEVCTL_PHANTOM, "PhantFunc"},
    {PCI_EXP_DEVCTL_AUX_PME, "AuxPwr"},
    {PCI_EXP_DEVCTL_NOSNOOP_EN, "NoSnoop"},
    {.mask = PCI_EXP_DEVCTL_READRQ, .name = "MaxReadReq", .words = kPayloads},
    {PCI_EXP_DEVCTL_BCR_FLR, "BrConfRtry/FLReset"},
};

constexpr Field kDeviceStatus[] = {
    {PCI_EXP_DEVSTA_CED, "CorrErr", RW1C},  {PCI_EXP_DEVSTA_NFED, "NonFatalErr", RW1C},
    {PCI_EXP_DEVSTA_FED, "FatalErr", RW1C}, {PCI_EXP_DEVSTA_URD, "UnsupReq", RW1C},
    {PCI_EXP_DEVSTA_AUXPD, "AuxPwr"},       {PCI_EXP_DEVSTA_TRPND, "TransPend"},
};

constexpr const char* kLinkSpeeds[] = {nullptr,  "2.5GT/s", "5GT/s", "8GT/s",
                                       "16GT/s", "32GT/s",  "64GT/s"};
constexpr const char* kAspmSupport[] = {"none", "L0s", "L1", "L0s L1"};
constexpr const char* kL0sExitLatencies[] = {"<64ns", "<128ns", "<256ns", "<512ns",
                                             "<1us",  "<2us",   "<4us",   ">4us"};
constexpr const char* kL1ExitLatencies[] = {"<1us",  "<2us",  "<4us",  "<8us",
                                            "<16us", "<32us", "<64us", ">64us"};

constexpr Field kLinkCapabilities[] = {
    {PCI_EXP_LNKCAP_PN, "Port"},
    {.mask = PCI_EXP_LNKCAP_SLS, .name = "Speed", .words = kLinkSpeeds},
    {.mask = PCI_EXP_LNKCAP_MLW, .name = "Width", .format = Lanes},
    {.mask = PCI_EXP_LNKCAP_ASPMS, .name = "ASPM", .words = kAspmSupport},
    {.mask = PCI_EXP_LNKCAP_L0SEL, .name = "L0sExitLatency", .words = kL0sExitLatencies},
    {.mask = PCI_EXP_LNKCAP_L1EL, .name = "L1ExitLatency", .words = kL1ExitLatencies},
    {PCI_EXP_LNKCAP_CLKPM, "ClockPM"},
    {PCI_EXP_LNKCAP_SDERC, "Surprise"},
    {PCI_EXP_LNKCAP_DLLLARC, "LLActRep"},
    {PCI_EXP_LNKCAP_LBNC, "BwNot"},
};

constexpr const char* kAspmControl[] = {"Disabled", "L0s Enabled", "L1 Enabled", "L0s L1 Enabled"};
constexpr const char* kCompletionBoundaries[] = {"64 bytes", "128 bytes"};

constexpr Field kLinkControl[] = {
    {.mask = PCI_EXP_LNKCTL_ASPMC, .name = "ASPM", .words = kAspmControl},
    {.mask = PCI_EXP_LNKCTL_RCB, .name = "RCB", .words = kCompletionBoundaries},
    {PCI_EXP_LNKCTL_LD, "Disabled"},
    {PCI_EXP_LNKCTL_RL, "Retrain"},
    {PCI_EXP_LNKCTL_CCC, "CommClk"},
    {PCI_EXP_LNKCTL_ES, "ExtSynch"},
    {PCI_EXP_LNKCTL_CLKREQ_EN, "ClockPM"},
    {PCI_EXP_LNKCTL_HAWD, "AutWidDis"},
    {PCI_EXP_LNKCTL_LBMIE, "BWInt"},
    {PCI_EXP_LNKCTL_LABIE, "AutBWInt"},
};

constexpr Field kLinkStatus[] = {
    {.mask = PCI_EXP_LNKSTA_CLS, .name = "Speed", .words = kLinkSpeeds},
    {.mask = PCI_EXP_LNKSTA_NLW, .name = "Width", .format = Lanes},
    {PCI_EXP_LNKSTA_LT, "Train"},
    {PCI_EXP_LNKSTA_SLC, "SlotClk"},
    {PCI_EXP_LNKSTA_DLLLA, "DLActive"},
    {PCI_EXP_LNKSTA_LBMS, "BWMgmt", RW1C},
    {PCI_EXP_LNKSTA_LABS, "ABWMgmt", RW1C},
};

constexpr Field kSlotCapabilities[] = {
    {PCI_EXP_SLTCAP_ABP, "AttnBtn"},
    {PCI_EXP_SLTCAP_PCP, "PwrCtrl"},
    {PCI_EXP_SLTCAP_MRLSP, "MRL"},
    {PCI_EXP_SLTCAP_AIP, "AttnInd"},
    {PCI_EXP_SLTCAP_PIP, "PwrInd"},
    {PCI_EXP_SLTCAP_HPC, "HotPlug"},
    {PCI_EXP_SLTCAP_HPS, "Surprise"},
    {PCI_EXP_SLTCAP_PSN, "Slot"},
    {PCI_EXP_SLTCAP_SPLV, "PowerLimit"},
    {.mask = PCI_EXP_SLTCAP_SPLS, .name = "PowerScale", .words = kPowerScales},
    {PCI_EXP_SLTCAP_EIP, "Interlock"},
    {PCI_EXP_SLTCAP_NCCS, "NoCompl"},
};

constexpr const char* kIndicators[] = {nullptr, "On", "Blink", "Off"};
constexpr const char* kPowerControl[] = {"On", "Off"};

constexpr Field kSlotControl[] = {
    {PCI_EXP_SLTCTL_ABPE, "AttnBtn"},
    {PCI_EXP_SLTCTL_PFDE, "PwrFlt"},
    {PCI_EXP_SLTCTL_MRLSCE, "MRL"},
    {PCI_EXP_SLTCTL_PDCE, "PresDet"},
    {PCI_EXP_SLTCTL_CCIE, "CmdCplt"},
    {PCI_EXP_SLTCTL_HPIE, "HPIrq"},
    {PCI_EXP_SLTCTL_DLLSCE, "LinkChg"},
    {.mask = PCI_EXP_SLTCTL_AIC, .name = "AttnInd", .words = kIndicators},
    {.mask = PCI_EXP_SLTCTL_PIC, .name = "PwrInd", .words = kIndicators},
    {.mask = PCI_EXP_SLTCTL_PCC, .name = "Power", .words = kPowerControl},
    {PCI_EXP_SLTCTL_EIC, "Interlock"},
    {PCI_EXP_SLTCTL_ASPL_DISABLE, "AutoSPLDis"},
    {PCI_EXP_SLTCTL_IBPD_DISABLE, "IBPDDis"},
};

constexpr Field kSlotStatus[] = {
    {PCI_EXP_SLTSTA_ABP, "AttnBtn", RW1C},   {PCI_EXP_SLTSTA_PFD, "PowerFlt", RW1C},
    {PCI_EXP_SLTSTA_MRLSC, "MRLChg", RW1C},  {PCI_EXP_SLTSTA_PDC, "PresDetChg", RW1C},
    {PCI_EXP_SLTSTA_CC, "CmdCplt", RW1C},    {PCI_EXP_SLTSTA_MRLSS, "MRLOpen"},
    {PCI_EXP_SLTSTA_PDS, "PresDet"},         {PCI_EXP_SLTSTA_EIS, "Interlock"},
    {PCI_EXP_SLTSTA_DLLSC, "LinkChg", RW1C},
};

constexpr Field kRootControl[] = {
    {PCI_EXP_RTCTL_SECEE, "ErrCorrectable"}, {PCI_EXP_RTCTL_SENFEE, "ErrNon-Fatal"},
    {PCI_EXP_RTCTL_SEFEE, "ErrFatal"},       {PCI_EXP_RTCTL_PMEIE, "PMEIntEna"},
    {PCI_EXP_RTCTL_CRSSVE, "CRSVisible"},
};

constexpr Field kRootCapabilities[] = {{PCI_EXP_RTCAP_CRSVIS, "CRSVisible"}};

constexpr uint32 kPmeRequester = 0x0000FFFF;

constexpr Field kRootStatus[] = {
    {.mask = kPmeRequester, .name = "PME-ReqID", .format = Hex},
    {PCI_EXP_RTSTA_PME, "PMEStatus", RW1C},
    {PCI_EXP_RTSTA_PENDING, "PMEPending"},
};

constexpr const char* kObffSupport[] = {"NotSupported", "ViaMessage", "ViaWAKE#",
                                        "ViaMessage/WAKE#"};
constexpr const char* kObffControl[] = {"Disabled", "ViaMessageA", "ViaMessageB", "ViaWAKE#"};

constexpr Field kDeviceCapabilities2[] = {
    {PCI_EXP_DEVCAP2_COMP_TMOUT_DIS, "TimeoutDis"},
    {PCI_EXP_DEVCAP2_ARI, "ARIFwd"},
    {PCI_EXP_DEVCAP2_ATOMIC_ROUTE, "AtomicOpsRouting"},
    {PCI_EXP_DEVCAP2_ATOMIC_COMP32, "AtomicOps32"},
    {PCI_EXP_DEVCAP2_ATOMIC_COMP64, "AtomicOps64"},
    {PCI_EXP_DEVCAP2_ATOMIC_COMP128, "128bitCAS"},
    {PCI_EXP_DEVCAP2_LTR, "LTR"},
    {.mask = PCI_EXP_DEVCAP2_OBFF_MASK, .name = "OBFF", .words = kObffSupport},
    {PCI_EXP_DEVCAP2_EE_PREFIX, "EETLPPrefix"},
};

constexpr Field kDeviceControl2[] = {
    {.mask = PCI_EXP_DEVCTL2_COMP_TIMEOUT, .name = "CompletionTimeout", .format = Hex},
    {PCI_EXP_DEVCTL2_COMP_TMOUT_DIS, "TimeoutDis"},
    {PCI_EXP_DEVCTL2_ARI, "ARIFwd"},
    {PCI_EXP_DEVCTL2_ATOMIC_REQ, "AtomicOpsReq"},
    {PCI_EXP_DEVCTL2_ATOMIC_EGRESS_BLOCK, "AtomicOpsEgressBlck"},
    {PCI_EXP_DEVCTL2_IDO_REQ_EN, "IDOReq"},
    {PCI_EXP_DEVCTL2_IDO_CMP_EN, "IDOCompl"},
    {PCI_EXP_DEVCTL2_LTR_EN, "LTR"},
    // The header's name for the whole two-bit field is that of its value 3.
    {.mask = PCI_EXP_DEVCTL2_OBFF_WAKE_EN, .name = "OBFF", .words = kObffControl},
};

constexpr Field kLinkCapabilities2[] = {
    {PCI_EXP_LNKCAP2_SLS_2_5GB, "2.5GT/s"},   {PCI_EXP_LNKCAP2_SLS_5_0GB, "5GT/s"},
    {PCI_EXP_LNKCAP2_SLS_8_0GB, "8GT/s"},     {PCI_EXP_LNKCAP2_SLS_16_0GB, "16GT/s"},
    {PCI_EXP_LNKCAP2_SLS_32_0GB, "32GT/s"},   {PCI_EXP_LNKCAP2_SLS_64_0GB, "64GT/s"},
    {PCI_EXP_LNKCAP2_CROSSLINK, "Crosslink"},
};

constexpr Field kLinkControl2[] = {
    {.mask = PCI_EXP_LNKCTL2_TLS, .name = "TargetSpeed", .words = kLinkSpeeds},
    {PCI_EXP_LNKCTL2_ENTER_COMP, "EnterCompliance"},
    {PCI_EXP_LNKCTL2_HASD, "SpeedDis"},
    {PCI_EXP_LNKCTL2_TX_MARGIN, "TransmitMargin"},
};

constexpr Field kSlotCapabilities2[] = {{PCI_EXP_SLTCAP2_IBPD, "IbPresDis"}};

using shape::kPcie2;
using shape::kPcieLink;
using shape::kPcieRoot;
using shape::kPcieSlot;

constexpr Register kPciExpress[] = {
    {PCI_EXP_FLAGS, 2, "PCI Express Capabilities", RO, kPcieCapabilities},
    {PCI_EXP_DEVCAP, 4, "Device Capabilities", RO, kDeviceCapabilities},
    {PCI_EXP_DEVCTL, 2, "Device Control", RW, kDeviceControl},
    {PCI_EXP_DEVSTA, 2, "Device Status", RO, kDeviceStatus},
    {PCI_EXP_LNKCAP, 4, "Link Capabilities", RO, kLinkCapabilities, kPcieLink},
    {PCI_EXP_LNKCTL, 2, "Link Control", RW, kLinkControl, kPcieLink},
    {PCI_EXP_LNKSTA, 2, "Link Status", RO, kLinkStatus, kPcieLink},
    {PCI_EXP_SLTCAP, 4, "Slot Capabilities", RO, kSlotCapabilities, kPcieSlot},
    {PCI_EXP_SLTCTL, 2, "Slot Control", RW, kSlotControl, kPcieSlot},
    {PCI_EXP_SLTSTA, 2, "Slot Status", RO, kSlotStatus, kPcieSlot},
    {PCI_EXP_RTCTL, 2, "Root Control", RW, kRootControl, kPcieRoot},
    {PCI_EXP_RTCAP, 2, "Root Capabilities", RO, kRootCapabilities, kPcieRoot},
    {PCI_EXP_RTSTA, 4, "Root Status", RO, kRootStatus, kPcieRoot},
    {PCI_EXP_DEVCAP2, 4, "Device Capabilities 2", RO, kDeviceCapabilities2, kPcie2},
    {PCI_EXP_DEVCTL2, 2, "Device Control 2", RW, kDeviceControl2, kPcie2},
    {PCI_EXP_DEVSTA2, 2, "Device Status 2", RO, {}, kPcie2},
    {PCI_EXP_LNKCAP2, 4, "Link Capabilities 2", RO, kLinkCapabilities2, kPcie2 | kPcieLink},
    {PCI_EXP_LNKCTL2, 2, "Link Control 2", RW, kLinkControl2, kPcie2 | kPcieLink},
    {PCI_EXP_LNKSTA2, 2, "Link Status 2", RO, {}, kPcie2 | kPcieLink},
    {PCI_EXP_SLTCAP2, 4, "Slot Capabilities 2", RO, kSlotCapabilities2, kPcie2 | kPcieSlot},
    {PCI_EXP_SLTCTL2, 2, "Slot Control 2", RW, {}, kPcie2 | kPcieSlot},
    {PCI_EXP_SLTSTA2, 2, "Slot Status 2", RO, {}, kPcie2 | kPcieSlot},
};

bool HasLink(int type)
{
    return type == PCI_EXP_TYPE_ENDPOINT || type == PCI_EXP_TYPE_LEG_END
           || type == PCI_EXP_TYPE_ROOT_PORT || type == PCI_EXP_TYPE_UPSTREAM
           || type == PCI_EXP_TYPE_DOWNSTREAM || type == PCI_EXP_TYPE_PCI_BRIDGE
           || type == PCI_EXP_TYPE_PCIE_BRIDGE;
}

bool IsDownstreamPort(int type)
{
    return type == PCI_EXP_TYPE_ROOT_PORT || type == PCI_EXP_TYPE_DOWNSTREAM
           || type == PCI_EXP_TYPE_PCIE_BRIDGE;
}

// A version 1 structure ends after the last register its port type has; from version 2 on,
// every register is there, those a port type has no use for reading as reserved.
int32 PcieVersion1Extent(uint32 flags)
{
    if ((flags & kPcieRoot) != 0)
        return PCI_EXP_RTSTA + 4;
    if ((flags & kPcieSlot) != 0)
        return PCI_EXP_SLTSTA + 2;
    if ((flags & kPcieLink) != 0)
        return PCI_CAP_EXP_ENDPOINT_SIZEOF_V1;
    return PCI_CAP_EXP_RC_ENDPOINT_SIZEOF_V1;
}

Shape PciExpressShape(const ConfigBytes& bytes, int32 at, const FunctionFacts&)
{
    const uint32 capabilities = bytes.Read(at + PCI_EXP_FLAGS, 2);
    const int type = PcieDeviceType(bytes, at);
    uint32 flags = 0;
    if (HasLink(type))
        flags |= kPcieLink;
    if (IsDownstreamPort(type) && (capabilities & PCI_EXP_FLAGS_SLOT) != 0)
        flags |= kPcieSlot;
    if (type == PCI_EXP_TYPE_ROOT_PORT || type == PCI_EXP_TYPE_RC_EC)
        flags |= kPcieRoot;
    if ((capabilities & PCI_EXP_FLAGS_VERS) > 1)
        return {flags | kPcie2, PCI_EXP_SLTSTA2 + 2};
    return {flags, PcieVersion1Extent(flags)};
}

// ---- Every ID, in order ---------------------------------------------------------------------

constexpr uint16 kNullId = 0x00;
constexpr uint16 kFlatteningPortalBridgeId = 0x15;

constexpr StructureLayout kCapabilities[] = {
    {kNullId, "Null"},
    {PCI_CAP_ID_PM, "Power Management", kPowerManagement, PCI_PM_SIZEOF},
    {PCI_CAP_ID_AGP, "AGP"},
    {PCI_CAP_ID_VPD, "Vital Product Data"},
    {PCI_CAP_ID_SLOTID, "Slot Identification"},
    {PCI_CAP_ID_MSI, "MSI", kMsi, 0, MsiShape},
    {PCI_CAP_ID_CHSWP, "CompactPCI Hot Swap"},
    {PCI_CAP_ID_PCIX, "PCI-X"},
    {PCI_CAP_ID_HT, "HyperTransport"},
    {PCI_CAP_ID_VNDR, "Vendor-Specific", kVendorSpecific, 0, VendorSpecificShape},
    {PCI_CAP_ID_DBG, "Debug Port"},
    {PCI_CAP_ID_CCRC, "CompactPCI Central Resource Control"},
    {PCI_CAP_ID_SHPC, "PCI Hot-Plug"},
    {PCI_CAP_ID_SSVID, "Bridge Subsystem Vendor ID", kSubsystemIds, PCI_SSVID_DEVICE_ID + 2},
    {PCI_CAP_ID_AGP3, "AGP 8x"},
    {PCI_CAP_ID_SECDEV, "Secure Device"},
    {PCI_CAP_ID_EXP, "PCI Express", kPciExpress, 0, PciExpressShape},
    {PCI_CAP_ID_MSIX, "MSI-X", kMsix, PCI_CAP_MSIX_SIZEOF},
    {PCI_CAP_ID_SATA, "SATA Data/Index Configuration"},
    {PCI_CAP_ID_AF, "Advanced Features"},
    {PCI_CAP_ID_EA, "Enhanced Allocation"},
    {kFlatteningPortalBridgeId, "Flattening Portal Bridge"},
};

} // namespace

std::span<const Register> CapabilityHeaderRegisters() { return kHeader; }

const StructureLayout* CapabilityLayout(uint16 id) { return FindLayout(kCapabilities, id); }

int PcieDeviceType(const ConfigBytes& bytes, int32 at)
{
    return int(bytes.Read(at + PCI_EXP_FLAGS, 2) & PCI_EXP_FLAGS_TYPE) >> 4;
}

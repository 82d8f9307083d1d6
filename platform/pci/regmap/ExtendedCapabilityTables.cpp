// Extended capabilities, from 0x100 on: every ID by name, and the registers of advanced error
// reporting, access control services, the device serial number, L1 PM substates, latency
// tolerance reporting, resizable BARs, SR-IOV and the vendor-specific ones.

#include "RegisterTables.h"

#include <algorithm>

#include <linux/pci_regs.h>

using namespace tables;
using enum FieldFormat;

namespace {

constexpr uint32 kExtendedId = 0x0000FFFF;
constexpr uint32 kExtendedVersion = 0x000F0000;
constexpr uint32 kExtendedNext = 0xFFF00000;

constexpr Field kHeaderFields[] = {
    {.mask = kExtendedId, .name = "ID", .format = Hex},
    {kExtendedVersion, "Version"},
    {.mask = kExtendedNext, .name = "Next", .format = Hex},
};

constexpr Register kHeader[] = {{0, 4, "Extended Capability Header", RO, kHeaderFields}};

// ---- Advanced error reporting ---------------------------------------------------------------

// The status, mask and severity registers share their bits; the status bits are set by the
// hardware and cleared by writing 1.
constexpr Field kUncorrectable[] = {
    {PCI_ERR_UNC_UND, "Undef"},
    {PCI_ERR_UNC_DLP, "DLP"},
    {PCI_ERR_UNC_SURPDN, "SDES"},
    {PCI_ERR_UNC_POISON_TLP, "TLP"},
    {PCI_ERR_UNC_FCP, "FCP"},
    {PCI_ERR_UNC_COMP_TIME, "CmpltTO"},
    {PCI_ERR_UNC_COMP_ABORT, "CmpltAbrt"},
    {PCI_ERR_UNC_UNX_COMP, "UnxCmplt"},
    {PCI_ERR_UNC_RX_OVER, "RxOF"},
    {PCI_ERR_UNC_MALF_TLP, "MalfTLP"},
    {PCI_ERR_UNC_ECRC, "ECRC"},
    {PCI_ERR_UNC_UNSUP, "UnsupReq"},
    {PCI_ERR_UNC_ACSV, "ACSViol"},
    {PCI_ERR_UNC_INTN, "UncorrIntErr"},
    {PCI_ERR_UNC_MCBTLP, "BlockedTLP"},
    {PCI_ERR_UNC_ATOMEG, "AtomicOpBlocked"},
    {PCI_ERR_UNC_TLPPRE, "TLPBlockedErr"},
};

constexpr Field kCorrectable[] = {
    {PCI_ERR_COR_RCVR, "RxErr"},          {PCI_ERR_COR_BAD_TLP, "BadTLP"},
    {PCI_ERR_COR_BAD_DLLP, "BadDLLP"},    {PCI_ERR_COR_REP_ROLL, "Rollover"},
    {PCI_ERR_COR_REP_TIMER, "Timeout"},   {PCI_ERR_COR_ADV_NFAT, "AdvNonFatalErr"},
    {PCI_ERR_COR_INTERNAL, "CorrIntErr"}, {PCI_ERR_COR_LOG_OVER, "HeaderOF"},
};

constexpr Field kErrorCapabilities[] = {
    {PCI_ERR_CAP_FEP(~0u), "FirstErrPtr"}, {PCI_ERR_CAP_ECRC_GENC, "GenCap"},
    {PCI_ERR_CAP_ECRC_GENE, "GenEn", RW},  {PCI_ERR_CAP_ECRC_CHKC, "ChkCap"},
    {PCI_ERR_CAP_ECRC_CHKE, "ChkEn", RW},
};

constexpr Field kRootErrorCommand[] = {
    {PCI_ERR_ROOT_CMD_COR_EN, "CERptEn"},
    {PCI_ERR_ROOT_CMD_NONFATAL_EN, "NFERptEn"},
    {PCI_ERR_ROOT_CMD_FATAL_EN, "FERptEn"},
};

constexpr Field kRootErrorStatus[] = {
    {PCI_ERR_ROOT_COR_RCV, "CERcvd", RW1C},
    {PCI_ERR_ROOT_MULTI_COR_RCV, "MultCERcvd", RW1C},
    {PCI_ERR_ROOT_UNCOR_RCV, "UERcvd", RW1C},
    {PCI_ERR_ROOT_MULTI_UNCOR_RCV, "MultUERcvd", RW1C},
    {PCI_ERR_ROOT_FIRST_FATAL, "FirstFatal", RW1C},
    {PCI_ERR_ROOT_NONFATAL_RCV, "NonFatalMsg", RW1C},
    {PCI_ERR_ROOT_FATAL_RCV, "FatalMsg", RW1C},
    {PCI_ERR_ROOT_AER_IRQ, "IntMsg"},
};

constexpr Field kErrorSources[] = {
    {.mask = 0x0000FFFF, .name = "ERR_COR", .format = Hex},
    {.mask = 0xFFFF0000, .name = "ERR_FATAL/NONFATAL", .format = Hex},
};

using shape::kAerRoot;

constexpr int32 kHeaderLogSize = 16;

constexpr Register kAdvancedErrorReporting[] = {
    {PCI_ERR_UNCOR_STATUS, 4, "Uncorrectable Error Status", RW1C, kUncorrectable},
    {PCI_ERR_UNCOR_MASK, 4, "Uncorrectable Error Mask", RW, kUncorrectable},
    {PCI_ERR_UNCOR_SEVER, 4, "Uncorrectable Error Severity", RW, kUncorrectable},
    {PCI_ERR_COR_STATUS, 4, "Correctable Error Status", RW1C, kCorrectable},
    {PCI_ERR_COR_MASK, 4, "Correctable Error Mask", RW, kCorrectable},
    {PCI_ERR_CAP, 4, "Advanced Error Capabilities and Control", RO, kErrorCapabilities},
    {PCI_ERR_HEADER_LOG, kHeaderLogSize, "Header Log", RO},
    {PCI_ERR_ROOT_COMMAND, 4, "Root Error Command", RW, kRootErrorCommand, kAerRoot},
    {PCI_ERR_ROOT_STATUS, 4, "Root Error Status", RO, kRootErrorStatus, kAerRoot},
    {PCI_ERR_ROOT_ERR_SRC, 4, "Error Source Identification", RO, kErrorSources, kAerRoot},
};

// Only root ports and root complex event collectors collect errors from others.
Shape AdvancedErrorReportingShape(const ConfigBytes&, int32, const FunctionFacts& facts)
{
    if (facts.pcieType == PCI_EXP_TYPE_ROOT_PORT || facts.pcieType == PCI_EXP_TYPE_RC_EC)
        return {kAerRoot, PCI_ERR_ROOT_ERR_SRC + 4};
    return {0, PCI_ERR_ROOT_COMMAND};
}

// ---- Access control services ----------------------------------------------------------------

constexpr uint32 kEgressVectorSize = 0xFF00;

constexpr Field kAcsCapability[] = {
    {PCI_ACS_SV, "SrcValid"},    {PCI_ACS_TB, "TransBlk"},
    {PCI_ACS_RR, "ReqRedir"},    {PCI_ACS_CR, "CmpltRedir"},
    {PCI_ACS_UF, "UpstreamFwd"}, {PCI_ACS_EC, "EgressCtrl"},
    {PCI_ACS_DT, "DirectTrans"}, {kEgressVectorSize, "EgressVectorSize"},
};

constexpr Field kAcsControl[] = {
    {PCI_ACS_SV, "SrcValid"},    {PCI_ACS_TB, "TransBlk"},    {PCI_ACS_RR, "ReqRedir"},
    {PCI_ACS_CR, "CmpltRedir"},  {PCI_ACS_UF, "UpstreamFwd"}, {PCI_ACS_EC, "EgressCtrl"},
    {PCI_ACS_DT, "DirectTrans"},
};

constexpr Register kAccessControlServices[] = {
    {PCI_ACS_CAP, 2, "ACS Capability", RO, kAcsCapability},
    {PCI_ACS_CTRL, 2, "ACS Control", RW, kAcsControl},
    {PCI_ACS_EGRESS_CTL_V, 0, "Egress Control Vector", RW},
};

// The egress control vector is there only with egress control, one bit per function or port
// in whole dwords; a size of 0 means 256.
Shape AccessControlServicesShape(const ConfigBytes& bytes, int32 at, const FunctionFacts&)
{
    if ((bytes.Read(at + PCI_ACS_CAP, 2) & PCI_ACS_EC) == 0)
        return {0, PCI_ACS_EGRESS_CTL_V};
    const int32 bits = int32(bytes.Read(at + PCI_ACS_EGRESS_BITS, 1));
    const int32 dwords = ((bits == 0 ? 256 : bits) + 31) / 32;
    return {0, PCI_ACS_EGRESS_CTL_V + 4 * dwords};
}

// ---- Device serial number ----------------------------------------------------------------------

constexpr Register kDeviceSerialNumber[] = {
    {4, 4, "Serial Number (lower DW)", RO},
    {8, 4, "Serial Number (upper DW)", RO},
};

// ---- L1 PM substates ----------------------------------------------------------------------------

constexpr const char* kPowerOnScales[] = {"2us", "10us", "100us"};
constexpr const char* kLatencyScales[] = {"1ns",     "32ns",      "1024ns",
                                          "32768ns", "1048576ns", "33554432ns"};

constexpr Field kL1ssCapabilities[] = {
    {PCI_L1SS_CAP_PCIPM_L1_2, "PCI-PM_L1.2"},
    {PCI_L1SS_CAP_PCIPM_L1_1, "PCI-PM_L1.1"},
    {PCI_L1SS_CAP_ASPM_L1_2, "ASPM_L1.2"},
    {PCI_L1SS_CAP_ASPM_L1_1, "ASPM_L1.1"},
    {PCI_L1SS_CAP_L1_PM_SS, "L1_PM_Substates"},
    {PCI_L1SS_CAP_CM_RESTORE_TIME, "PortCommonModeRestoreTime"},
    {.mask = PCI_L1SS_CAP_P_PWR_ON_SCALE, .name = "PortTPowerOnScale", .words = kPowerOnScales},
    {PCI_L1SS_CAP_P_PWR_ON_VALUE, "PortTPowerOnValue"},
};

constexpr Field kL1ssControl1[] = {
    {PCI_L1SS_CTL1_PCIPM_L1_2, "PCI-PM_L1.2"},
    {PCI_L1SS_CTL1_PCIPM_L1_1, "PCI-PM_L1.1"},
    {PCI_L1SS_CTL1_ASPM_L1_2, "ASPM_L1.2"},
    {PCI_L1SS_CTL1_ASPM_L1_1, "ASPM_L1.1"},
    {PCI_L1SS_CTL1_CM_RESTORE_TIME, "T_CommonMode"},
    {PCI_L1SS_CTL1_LTR_L12_TH_VALUE, "LTR1.2_Threshold"},
    {.mask = PCI_L1SS_CTL1_LTR_L12_TH_SCALE, .name = "LTR1.2_Scale", .words = kLatencyScales},
};

constexpr Register kL1PmSubstates[] = {
    {PCI_L1SS_CAP, 4, "L1 PM Substates Capabilities", RO, kL1ssCapabilities},
    {PCI_L1SS_CTL1, 4, "L1 PM Substates Control 1", RW, kL1ssControl1},
    {PCI_L1SS_CTL2, 4, "L1 PM Substates Control 2", RW},
};

// ---- Latency tolerance reporting ---------------------------------------------------------------

constexpr Field kLatency[] = {
    {PCI_LTR_VALUE_MASK, "Value"},
    {.mask = PCI_LTR_SCALE_MASK, .name = "Scale", .words = kLatencyScales},
};

constexpr Register kLatencyToleranceReporting[] = {
    {PCI_LTR_MAX_SNOOP_LAT, 2, "Max Snoop Latency", RW, kLatency},
    {PCI_LTR_MAX_NOSNOOP_LAT, 2, "Max No-Snoop Latency", RW, kLatency},
};

// ---- Resizable BAR: one to six entries of a capability and a control register -----------------

constexpr const char* kBarSizes[] = {"1MB",   "2MB",   "4MB",   "8MB",   "16MB",  "32MB", "64MB",
                                     "128MB", "256MB", "512MB", "1GB",   "2GB",   "4GB",  "8GB",
                                     "16GB",  "32GB",  "64GB",  "128GB", "256GB", "512GB"};

constexpr Field kRebarCapability[] = {
    {.mask = PCI_REBAR_CAP_SIZES, .name = "Sizes", .format = Hex}};

// The number of entries is in the first entry's control register only.
constexpr Field kRebarControl[] = {
    {PCI_REBAR_CTRL_BAR_IDX, "BAR"},
    {PCI_REBAR_CTRL_NBAR_MASK, "NumBARs"},
    {.mask = PCI_REBAR_CTRL_BAR_SIZE, .name = "Size", .access = RW, .words = kBarSizes},
};

constexpr int32 kRebarEntry = 8;
constexpr uint32 kMaxRebarEntries = 6;

constexpr Register kResizableBar[] = {
    {PCI_REBAR_CAP, 4, "Resizable BAR Capability 0", RO, kRebarCapability},
    {PCI_REBAR_CTRL, 4, "Resizable BAR Control 0", RO, kRebarControl},
    {PCI_REBAR_CAP + kRebarEntry, 4, "Resizable BAR Capability 1", RO, kRebarCapability},
    {PCI_REBAR_CTRL + kRebarEntry, 4, "Resizable BAR Control 1", RO, kRebarControl},
    {PCI_REBAR_CAP + 2 * kRebarEntry, 4, "Resizable BAR Capability 2", RO, kRebarCapability},
    {PCI_REBAR_CTRL + 2 * kRebarEntry, 4, "Resizable BAR Control 2", RO, kRebarControl},
    {PCI_REBAR_CAP + 3 * kRebarEntry, 4, "Resizable BAR Capability 3", RO, kRebarCapability},
    {PCI_REBAR_CTRL + 3 * kRebarEntry, 4, "Resizable BAR Control 3", RO, kRebarControl},
    {PCI_REBAR_CAP + 4 * kRebarEntry, 4, "Resizable BAR Capability 4", RO, kRebarCapability},
    {PCI_REBAR_CTRL + 4 * kRebarEntry, 4, "Resizable BAR Control 4", RO, kRebarControl},
    {PCI_REBAR_CAP + 5 * kRebarEntry, 4, "Resizable BAR Capability 5", RO, kRebarCapability},
    {PCI_REBAR_CTRL + 5 * kRebarEntry, 4, "Resizable BAR Control 5", RO, kRebarControl},
};
static_assert(std::size(kResizableBar) == 2 * kMaxRebarEntries);

Shape ResizableBarShape(const ConfigBytes& bytes, int32 at, const FunctionFacts&)
{
    const uint32 entries = (bytes.Read(at + PCI_REBAR_CTRL, 4) & PCI_REBAR_CTRL_NBAR_MASK)
                           >> PCI_REBAR_CTRL_NBAR_SHIFT;
    return {0, PCI_REBAR_CAP + kRebarEntry * int32(std::clamp(entries, 1u, kMaxRebarEntries))};
}

// ---- SR-IOV ----------------------------------------------------------------------------------

constexpr Field kSriovCapabilities[] = {
    {PCI_SRIOV_CAP_VFM, "VFMigration"},
    {PCI_SRIOV_CAP_INTR(~0u) << 21, "IntMsgNum"},
};

constexpr Field kSriovControl[] = {
    {PCI_SRIOV_CTRL_VFE, "VFEnable"},        {PCI_SRIOV_CTRL_VFM, "VFMigration"},
    {PCI_SRIOV_CTRL_INTR, "VFMigrationInt"}, {PCI_SRIOV_CTRL_MSE, "VFMSE"},
    {PCI_SRIOV_CTRL_ARI, "ARIHierarchy"},
};

constexpr Field kSriovStatus[] = {{PCI_SRIOV_STATUS_VFM, "VFMigration", RW1C}};

constexpr Field kMigrationState[] = {
    {PCI_SRIOV_VFM_BIR(~0u), "BIR"},
    {.mask = PCI_SRIOV_VFM_OFFSET(~0u), .name = "Offset", .format = Address},
};

constexpr Register kSriov[] = {
    {PCI_SRIOV_CAP, 4, "SR-IOV Capabilities", RO, kSriovCapabilities},
    {PCI_SRIOV_CTRL, 2, "SR-IOV Control", RW, kSriovControl},
    {PCI_SRIOV_STATUS, 2, "SR-IOV Status", RO, kSriovStatus},
    {PCI_SRIOV_INITIAL_VF, 2, "InitialVFs", RO},
    {PCI_SRIOV_TOTAL_VF, 2, "TotalVFs", RO},
    {PCI_SRIOV_NUM_VF, 2, "NumVFs", RW},
    {PCI_SRIOV_FUNC_LINK, 1, "Function Dependency Link", RO},
    {PCI_SRIOV_VF_OFFSET, 2, "First VF Offset", RO},
    {PCI_SRIOV_VF_STRIDE, 2, "VF Stride", RO},
    {PCI_SRIOV_VF_DID, 2, "VF Device ID", RO},
    {PCI_SRIOV_SUP_PGSIZE, 4, "Supported Page Sizes", RO},
    {PCI_SRIOV_SYS_PGSIZE, 4, "System Page Size", RW},
    {PCI_SRIOV_BAR, 4, "VF BAR0", RW},
    {PCI_SRIOV_BAR + 4, 4, "VF BAR1", RW},
    {PCI_SRIOV_BAR + 8, 4, "VF BAR2", RW},
    {PCI_SRIOV_BAR + 12, 4, "VF BAR3", RW},
    {PCI_SRIOV_BAR + 16, 4, "VF BAR4", RW},
    {PCI_SRIOV_BAR + 20, 4, "VF BAR5", RW},
    {PCI_SRIOV_VFM, 4, "VF Migration State Array Offset", RO, kMigrationState},
};
static_assert(PCI_SRIOV_BAR + 4 * PCI_SRIOV_NUM_BARS == PCI_SRIOV_VFM);

// ---- Vendor-specific and designated vendor-specific: a header that gives their length -------

constexpr Field kVendorHeader[] = {
    {.mask = 0x0000FFFF, .name = "ID", .format = Hex},
    {0x000F0000, "Rev"},
    {0xFFF00000, "Length"},
};

constexpr Field kDesignatedHeader1[] = {
    {.mask = 0x0000FFFF, .name = "Vendor", .format = Hex},
    {0x000F0000, "Rev"},
    {0xFFF00000, "Length"},
};

constexpr Field kDesignatedHeader2[] = {{.mask = 0xFFFF, .name = "ID", .format = Hex}};

constexpr Register kVendorSpecific[] = {
    {PCI_VNDR_HEADER, 4, "Vendor-Specific Header", RO, kVendorHeader},
    {PCI_VNDR_HEADER + 4, 0, "Vendor-Specific Registers", RO},
};

constexpr Register kDesignatedVendorSpecific[] = {
    {PCI_DVSEC_HEADER1, 4, "Designated Vendor-Specific Header 1", RO, kDesignatedHeader1},
    {PCI_DVSEC_HEADER2, 2, "Designated Vendor-Specific Header 2", RO, kDesignatedHeader2},
    {PCI_DVSEC_HEADER2 + 2, 0, "Designated Vendor-Specific Registers", RO},
};
static_assert(PCI_VNDR_HEADER == PCI_DVSEC_HEADER1);

// Both carry their length in the top 12 bits of their first header.
Shape VendorLengthShape(const ConfigBytes& bytes, int32 at, const FunctionFacts&)
{
    const int32 length = int32(PCI_VNDR_HEADER_LEN(bytes.Read(at + PCI_VNDR_HEADER, 4)));
    return {0, std::max(length, PCI_VNDR_HEADER + 4)};
}

// ---- Every ID, in order; those the kernel's header does not name yet are numbers ----------

constexpr StructureLayout kCapabilities[] = {
    {0x0000, "Null"},
    {PCI_EXT_CAP_ID_ERR, "Advanced Error Reporting", kAdvancedErrorReporting, 0,
     AdvancedErrorReportingShape},
    {PCI_EXT_CAP_ID_VC, "Virtual Channel"},
    {PCI_EXT_CAP_ID_DSN, "Device Serial Number", kDeviceSerialNumber, PCI_EXT_CAP_DSN_SIZEOF},
    {PCI_EXT_CAP_ID_PWR, "Power Budgeting"},
    {PCI_EXT_CAP_ID_RCLD, "Root Complex Link Declaration"},
    {PCI_EXT_CAP_ID_RCILC, "Root Complex Internal Link Control"},
    {PCI_EXT_CAP_ID_RCEC, "Root Complex Event Collector Endpoint Association"},
    {PCI_EXT_CAP_ID_MFVC, "Multi-Function Virtual Channel"},
    {PCI_EXT_CAP_ID_VC9, "Virtual Channel"},
    {PCI_EXT_CAP_ID_RCRB, "Root Complex Register Block Header"},
    {PCI_EXT_CAP_ID_VNDR, "Vendor-Specific", kVendorSpecific, 0, VendorLengthShape},
    {PCI_EXT_CAP_ID_CAC, "Configuration Access Correlation"},
    {PCI_EXT_CAP_ID_ACS, "Access Control Services", kAccessControlServices, 0,
     AccessControlServicesShape},
    {PCI_EXT_CAP_ID_ARI, "Alternative Routing-ID Interpretation"},
    {PCI_EXT_CAP_ID_ATS, "Address Translation Services"},
    {PCI_EXT_CAP_ID_SRIOV, "Single Root I/O Virtualization", kSriov, PCI_EXT_CAP_SRIOV_SIZEOF},
    {PCI_EXT_CAP_ID_MRIOV, "Multi-Root I/O Virtualization"},
    {PCI_EXT_CAP_ID_MCAST, "Multicast"},
    {PCI_EXT_CAP_ID_PRI, "Page Request Interface"},
    {PCI_EXT_CAP_ID_AMD_XXX, "Reserved for AMD"},
    {PCI_EXT_CAP_ID_REBAR, "Resizable BAR", kResizableBar, 0, ResizableBarShape},
    {PCI_EXT_CAP_ID_DPA, "Dynamic Power Allocation"},
    {PCI_EXT_CAP_ID_TPH, "TPH Requester"},
    {PCI_EXT_CAP_ID_LTR, "Latency Tolerance Reporting", kLatencyToleranceReporting,
     PCI_EXT_CAP_LTR_SIZEOF},
    {PCI_EXT_CAP_ID_SECPCI, "Secondary PCI Express"},
    {PCI_EXT_CAP_ID_PMUX, "Protocol Multiplexing"},
    {PCI_EXT_CAP_ID_PASID, "Process Address Space ID"},
    {0x001C, "LN Requester"},
    {PCI_EXT_CAP_ID_DPC, "Downstream Port Containment"},
    {PCI_EXT_CAP_ID_L1SS, "L1 PM Substates", kL1PmSubstates, PCI_L1SS_CTL2 + 4},
    {PCI_EXT_CAP_ID_PTM, "Precision Time Measurement"},
    {0x0020, "PCI Express over M-PHY"},
    {0x0021, "FRS Queueing"},
    {0x0022, "Readiness Time Reporting"},
    {PCI_EXT_CAP_ID_DVSEC, "Designated Vendor-Specific", kDesignatedVendorSpecific, 0,
     VendorLengthShape},
    {0x0024, "VF Resizable BAR", kResizableBar, 0, ResizableBarShape},
    {PCI_EXT_CAP_ID_DLF, "Data Link Feature"},
    {PCI_EXT_CAP_ID_PL_16GT, "Physical Layer 16.0 GT/s"},
    {0x0027, "Lane Margining at the Receiver"},
    {0x0028, "Hierarchy ID"},
    {0x0029, "Native PCIe Enclosure Management"},
    {0x002A, "Physical Layer 32.0 GT/s"},
    {0x002B, "Alternate Protocol"},
    {0x002C, "System Firmware Intermediary"},
    {0x002D, "Shadow Functions"},
    {PCI_EXT_CAP_ID_DOE, "Data Object Exchange"},
    {0x002F, "Device 3"},
    {0x0030, "Integrity and Data Encryption"},
    {0x0031, "Physical Layer 64.0 GT/s"},
    {0x0032, "Flit Logging"},
    {0x0033, "Flit Performance Measurement"},
    {0x0034, "Flit Error Injection"},
};

} // namespace

std::span<const Register> ExtendedCapabilityHeaderRegisters() { return kHeader; }

const StructureLayout* ExtendedCapabilityLayout(uint16 id) { return FindLayout(kCapabilities, id); }

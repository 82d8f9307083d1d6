#ifndef PCIZ_DEVICEWINDOW_ROW_LABELS_H
#define PCIZ_DEVICEWINDOW_ROW_LABELS_H

// The label texts of the device window's rows: the ordinary rows for header type 0 and the
// bridge rows for every other header type.

inline constexpr int kRowCount = 27;
inline constexpr int kBridgeRowCount = 24;
// Its record field is kept but never shown: the row has no views.
inline constexpr int kCardBusRow = 13;
// The first row that depends on the header type.
inline constexpr int kFirstHeaderRow = 14;

extern const char* const kRowLabels[kRowCount];
extern const char* const kBridgeLabels[kBridgeRowCount];

#endif

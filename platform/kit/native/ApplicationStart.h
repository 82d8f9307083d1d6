#ifndef PCIZ_KIT_NATIVE_APPLICATION_START_H
#define PCIZ_KIT_NATIVE_APPLICATION_START_H

namespace kit {

// Creates the process's QApplication, with plugins from Qt's installed folder only. Ends the
// process with status 1 and one line on standard error instead when a Qt platform or input
// plugin asked for could serve the windows over the network, or when no platform can start
// (no display, or one this user may not open).
void StartApplication(int& argc, char** argv);

} // namespace kit

#endif

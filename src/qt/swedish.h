#pragma once
// The window is Swedish whatever the user's locale, and so is everything Qt
// shows around it: the rows box's menu, the save dialog, the buttons of
// message boxes. Qt's own Swedish catalogue is old and leaves much of that
// English; the program's own catalogue fills it in.

class QCoreApplication;

namespace stenvik::qt {

// Installs both catalogues, the program's own taking precedence, and makes
// Swedish the default locale. False when Qt's catalogue is not installed;
// the program's own is built in and always loads.
bool SpeakSwedish(QCoreApplication& app);

}  // namespace stenvik::qt

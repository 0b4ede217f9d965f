#pragma once
// The window speaks Russian throughout: Qt's own dialogs, buttons and calendars take
// their texts from Qt's Russian translation, and dates and month names follow the
// Russian locale whatever the system's language.
class QCoreApplication;

namespace kvz {

// Sets the Russian locale as the default and installs Qt's Russian translation on
// the application. False when the translation file could not be loaded (the
// standard dialogs then stay in English; nothing else depends on it).
bool InstallRussianTranslation(QCoreApplication& application);

}  // namespace kvz

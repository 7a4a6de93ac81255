#pragma once

// The interface's catalogues: those of the chosen language installed into the
// application, Qt's own among them (file, colour and font dialogs, message box
// buttons, the menus of text fields).

#include <QString>

#include "i18n/Language.h"
#include "i18n/Phrase.h"

namespace korvan {

// Replaces the catalogues installed before by those of `language`. Call after
// the application object is made.
void InstallTranslations(TUiLanguage language);

// The language installed last (Russian before any).
TUiLanguage InstalledLanguage();

// A text of the core as shown: its phrases translated by the installed
// catalogues, lesson content converted from Windows-1251.
QString Shown(const TShownText& text);
QString Shown(const TPhrase& phrase);
// A sound's or the synthesizer's failure reason (1251, marked in the context
// "SoundReason") as shown.
QString SoundReason(const std::string& cp1251);

} // namespace korvan

#pragma once

// What a screen reader says for each control: its accessible name and
// description, by window and control name. The texts are UTF-8 and go to the
// accessibility bus only, never into a file.
//
// An empty name leaves the control's own caption (or a label's text) as its
// name: that is where the caption says all, or changes (the mode button).

#include <string>
#include <string_view>
#include <vector>

#include "i18n/Phrase.h"

namespace korvan {

struct TAccessibleText
{
    std::string Control;     // the control's name ("BLesson_Start")
    std::string Name;        // empty: the caption is the name
    std::string Description; // the key that works it, what it stands for; may be empty
};

// The controls of one window ("FMain", "FBehavior", "FSkin", "FPupils",
// "FPupils_e", "FInpMode", "FAbout", "FImportLesson", "FReview"); empty for
// any other name.
const std::vector<TAccessibleText>& AccessibleTexts(std::string_view window);

// What a sighted user reads beside a track bar of the behaviour dialog at a
// position ("TBSpeed", "TBMistakeChange", "TBUseAtOnce"); empty for others.
TPhrase TrackBarValueText(std::string_view control, int position);

} // namespace korvan

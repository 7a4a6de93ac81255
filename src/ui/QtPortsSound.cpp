#include "QtPortsSound.h"

#include <QWidget>

#include <algorithm>

namespace korvan {

namespace {

// Gap between the progress box and the separator under it, in pixels.
constexpr int GapAboveSeparator = 20;

} // namespace

bool TSilentSound::PlaySound(TSoundKind, bool)
{
    return false; // nothing started, so SoundKind stays as it was
}

void TSilentSound::PlaceSoundButtons()
{
    Controls.RepeatRu->hide();
    Controls.RepeatEn->hide();
    QWidget* box = Controls.ProgressBox;
    const int bottom = Controls.RestSeparator->y() - GapAboveSeparator;
    box->resize(box->width(), std::max(0, bottom - box->y()));
}

} // namespace korvan

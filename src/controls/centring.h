#pragma once

class QWidget;

// Centres a dialog over its owner: left = owner left + owner width / 2 - dialog width / 2,
// halves truncated toward zero; top likewise. Sizes are outer (framed) sizes. A dialog's
// frame does not exist before it is shown, so it is taken to be as thick as the owner's.
void CentreOver(QWidget* dialog, const QWidget* owner);

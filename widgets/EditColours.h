#pragma once

class QWidget;

// Edit controls are white while enabled and take the button-face colour while disabled.
void ApplyEditColours(QWidget* control);

#pragma once

class QWidget;

namespace maintenance {

// A fixed border with a close button only: no minimise or maximise button.
void useFixedBorder(QWidget *window);

// Moves the window, at its laid-out size, to the centre of its screen.
void centreOnScreen(QWidget *window);

} // namespace maintenance

// Message boxes of the program: the handlers that the application installs for the
// model's one message function.
#pragma once

namespace mvt {

// Routes MeldungZeigen and FrageStellen to modal message boxes with German buttons.
void MeldungsfensterInstallieren();

} // namespace mvt

#pragma once

namespace kelvarino {

// The toolkit's own words in Greek: the file and colour dialogs, the standard
// buttons, the edit and scroll-bar menus, the child windows' menu. The
// translation is built into the program; call once at start-up, after the
// application object exists. Says whether it was installed.
bool installToolkitTranslation();

} // namespace kelvarino

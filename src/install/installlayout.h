#pragma once
// Where the program's own files are, in the build tree and after installation.
//
// In the build tree everything sits beside the executables (build/bin): the resource folder
// "audiorecorder_res", libbrisca and the device plugin libOlmet.so. An installed program
// follows the distribution's layout instead: executables in bin/, libbrisca and the plugin in
// <libdir>/quillon/, the resource folder in <datadir>/quillon/. Both are found from the
// executable's own folder, so an installed tree still works when moved as a whole (another
// prefix, a staging folder). The folder beside the executable wins when it exists.
//
// The executable's folder is looked up once per process. Any thread.

#include <QString>

namespace InstallLayout {

// The folder of the running executable, without a trailing '/'.
QString executableFolder();
// The resource folder "audiorecorder_res" (beside the executable, else the installed one; the
// one beside the executable when neither exists, so messages name the expected place).
QString resourceFolder();
// The device plugin libOlmet.so, found by the same rule.
QString devicePluginPath();

}  // namespace InstallLayout

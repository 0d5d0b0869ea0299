// Ending in order when the session ends: SIGTERM (logout, a service manager), SIGINT (Ctrl+C)
// and SIGHUP (the terminal or the session going away) make the program end the way it ends
// when its window closes, so that what it holds in memory reaches the disk.
#pragma once

namespace platform {

// From now on, the first of these signals makes every running event loop of the application
// return (QCoreApplication::exit), on the application's own thread; a second one ends the
// program at once, as it would have ended without this. A signal the process ignores or
// handles otherwise is left alone. Without an application object, or off its thread, this
// does nothing; once armed, later calls do nothing either.
void EndInOrderOnTerminationSignals();

}  // namespace platform

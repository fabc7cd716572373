#pragma once
// What a start does when it can neither hold the data folder nor hand its scheme to the
// window that holds it: the player chooses, told why.

#include <QString>

namespace shrink4 {

struct HomeInUse {
    QString title;
    QString why;
    QString tryAgain; // the button that tries once more
};

// The open window did not take the call.
HomeInUse unansweredHome();
// The folder cannot be locked, so whether a window holds it is unknown.
HomeInUse unwritableHome(const QString& dataFolder);

enum class HomeInUseAnswer { TryAgain, KeepNothing, Cancel };

// Asks the player. SHRINK4_HOME_IN_USE=nosave or =cancel answers without asking, for
// scripts and tests that have no one to click.
HomeInUseAnswer askHomeInUse(const HomeInUse& home);

} // namespace shrink4

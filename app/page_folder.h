// Where the program finds its pages: the folder it is started in, or, when that
// holds none of them, the edition's folder under Documents\Tintwell, where the
// installers put them. A parent who starts a program from its own folder, or
// from a zip's program moved away from its pages, still reaches the pages.
#pragma once

// Run once at start-up, before any file is read or written: when the current
// folder holds none of the edition's pages and the edition's Documents folder
// holds some, that folder becomes the current one, so pages, the printing method
// and the music are all read and written there.
void ChoosePageFolder();

// True when the current folder holds at least one of the edition's page files.
bool AnyPageFileHere();

// The one box for a program that found its pages nowhere: it names the folders
// where it looked and how it is best started.
void SayNoPagesFound();

#pragma once

#include <QString>

// The part of --help that names the files Kestrine keeps in its data folder.
QString DataFilesHelpText();

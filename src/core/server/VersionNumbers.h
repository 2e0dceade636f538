#pragma once
/* The add-on's version and file description, read by C++ and by the resource compiler. */
#define QUILLARES_VERSION_MAJOR 2
#define QUILLARES_VERSION_MINOR 1
#define QUILLARES_VERSION_BUILD 3
#define QUILLARES_FILE_DESCRIPTION "AudioQuillares"

/* The Ogg Vorbis decoder, compiled into the program from its single public-domain source.
   Every allocation comes from a buffer the caller gives, and nothing touches files. */
#define STB_VORBIS_NO_STDIO 1
#define STB_VORBIS_NO_PUSHDATA_API 1
#include <stb_vorbis.h>

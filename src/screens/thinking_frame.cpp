// The screen base is all in its header; compiling it here gives it its one
// meta-object (signals) in the library.
#include "screens/thinking_frame.h"

#include "engine/myglobal.h"

namespace myglobal {

std::string CL = "\r";

}  // namespace myglobal

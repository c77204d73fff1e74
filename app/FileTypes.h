#pragma once

#include <memory>

#include "framework/gui/FileType.h"

// The six file types of the program, registered at start-up so that the main window can accept
// file drops by type name. Each module property holds its type from start-up to shut-down.
namespace FileTypes {

extern std::shared_ptr<fw::FileType> pTextPlain;
extern std::shared_ptr<fw::FileType> pTextTtro;
extern std::shared_ptr<fw::FileType> pWwwMsie;
extern std::shared_ptr<fw::FileType> pAll;
extern std::shared_ptr<fw::FileType> pSpecialAny;
extern std::shared_ptr<fw::FileType> pCrcText;

// Creates and registers the six types, in declaration order.
void Initialize();

// Releases the six types in declaration order; releasing a type takes it out of the registry.
void Exit();

}  // namespace FileTypes

#include "platform/Platform.h"

namespace kz {

std::string JoinParagraphs(const std::string& first, const std::string& second) {
    return first + "\r\n\r\n" + second;
}

}  // namespace kz

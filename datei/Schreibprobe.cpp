#include "datei/Schreibprobe.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

bool OrdnerBeschreibbar(const std::string& ordner) {
    const std::string muster = ordner + "/.zavr-schreibprobe-XXXXXX";
    std::vector<char> name(muster.begin(), muster.end());
    name.push_back('\0');
    // mkostemp opens with O_CREAT | O_EXCL; O_NOFOLLOW keeps even a link planted under the new name out.
    const int fd = mkostemp(name.data(), O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    close(fd);
    unlink(name.data());
    return true;
}

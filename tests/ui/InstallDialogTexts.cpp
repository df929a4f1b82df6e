#include "InstallDialogTexts.h"

#include "OwnVersion.h"

std::string ExpectedGreeting() {
    std::string version = OwnVersionString("ProductVersion");
    for (size_t at = version.find(", "); at != std::string::npos; at = version.find(", ", at + 1))
        version.replace(at, 2, ".");
    return std::string(texts::kTemplateMessage) + "\n\nVersion: " + version + "\n" + OwnVersionString("LegalCopyright");
}

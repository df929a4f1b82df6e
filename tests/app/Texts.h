#pragma once
// The setup's own texts that these tests look for, written out as a person reads them.
namespace apptest {
constexpr const char kStartBanner[] = "***** Start Zarvel Setup *****";
constexpr const char kEndBanner[] = "***** End Zarvel Setup *****";
constexpr const char kPlatformLinePrefix[] = "fnIsWow64Process ";
constexpr const char kCancelQuestion[] = "Do you really wish to cancel the installation of Zarvel?";
constexpr const char kNotCompleted[] = "Installation not completed! \nPlease run this program again";
constexpr const char kAborted[] = "\r\nInstallation aborted!";
}  // namespace apptest

#include "mail/MailConfig.h"

#include "mail/MailText.h"

namespace {

constexpr const char* kSection = "mail";

} // namespace

MailConfig MailConfig::Read(const CIniFile& settings)
{
    MailConfig config;
    const auto value = [&](const char* key) {
        return std::string(TrimmedSpaces(settings.Value(kSection, key).value_or("")));
    };
    config.server = value("server");
    config.user = value("user");
    if (std::string folder = value("folder"); !folder.empty())
        config.folder = std::move(folder);
    config.passwordCommand = value("password-command");
    return config;
}

void MailConfig::Write(CIniFile& settings) const
{
    settings.SetValue(kSection, "server", server);
    settings.SetValue(kSection, "user", user);
    settings.SetValue(kSection, "folder", folder);
    if (passwordCommand.empty())
        settings.Remove(kSection, "password-command");
    else
        settings.SetValue(kSection, "password-command", passwordCommand);
}

#pragma once
#include <optional>
#include <string>

// Sets an environment variable of this process, which the programs the setup starts inherit, and
// puts back its earlier value when it goes.
class EnvironmentValue {
public:
    EnvironmentValue(const std::string& name, const std::string& value);
    ~EnvironmentValue();
    EnvironmentValue(const EnvironmentValue&) = delete;
    EnvironmentValue& operator=(const EnvironmentValue&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_earlier;
};

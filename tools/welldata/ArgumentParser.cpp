#include "ArgumentParser.h"

#include "UsageError.h"

namespace {

bool IsOptionLike(const std::string& argument) {
    return argument.size() > 1 && argument[0] == '-';
}

} // namespace

void ArgumentParser::AddFlag(const std::string& name, char shortName) {
    m_options.push_back({name, shortName, false});
}

void ArgumentParser::AddValue(const std::string& name, char shortName) {
    m_options.push_back({name, shortName, true});
}

const ArgumentParser::Option* ArgumentParser::FindLong(const std::string& name) const {
    for (const Option& option : m_options) {
        if (option.name == name)
            return &option;
    }
    return nullptr;
}

const ArgumentParser::Option* ArgumentParser::FindShort(char shortName) const {
    for (const Option& option : m_options) {
        if (shortName != 0 && option.shortName == shortName)
            return &option;
    }
    return nullptr;
}

const ArgumentParser::Option* ArgumentParser::Recognise(const std::string& argument,
                                                        std::string& inlineValue,
                                                        bool& hasInlineValue) const {
    hasInlineValue = false;
    if (argument.rfind("--", 0) == 0) {
        const size_t equals = argument.find('=');
        const std::string name =
            argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        if (equals != std::string::npos) {
            inlineValue = argument.substr(equals + 1);
            hasInlineValue = true;
        }
        if (const Option* option = FindLong(name))
            return option;
        throw UsageError("unknown option '--" + name + "'");
    }
    const Option* option = FindShort(argument[1]);
    if (option == nullptr)
        throw UsageError("unknown option '" + argument.substr(0, 2) + "'");
    if (argument.size() > 2) {
        // "-ofile" gives the value directly after the letter.
        inlineValue = argument.substr(2);
        hasInlineValue = true;
    }
    return option;
}

ParsedArguments ArgumentParser::Parse(const std::vector<std::string>& arguments) const {
    ParsedArguments parsed;
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || !IsOptionLike(argument)) {
            parsed.AddOperand(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        std::string value;
        bool hasInlineValue = false;
        const Option* option = Recognise(argument, value, hasInlineValue);
        if (!option->takesValue) {
            if (hasInlineValue)
                throw UsageError("option '--" + option->name + "' takes no value");
        } else if (!hasInlineValue) {
            if (i + 1 >= arguments.size())
                throw UsageError("option '--" + option->name + "' needs a value");
            value = arguments[++i];
        }
        parsed.AddOption(option->name, value);
    }
    return parsed;
}

size_t ArgumentParser::CountLeadingOptions(const std::vector<std::string>& arguments) const {
    size_t count = 0;
    while (count < arguments.size() && IsOptionLike(arguments[count]) && arguments[count] != "--") {
        std::string value;
        bool hasInlineValue = false;
        const Option* option = Recognise(arguments[count], value, hasInlineValue);
        count += (option->takesValue && !hasInlineValue) ? 2 : 1;
    }
    return count < arguments.size() ? count : arguments.size();
}

// The description reader: builds a component tree from its text form.
//
//   object MainForm: TMainForm
//     Caption = 'Setup'
//     object BoardImage1: TBoardImage
//       Left = 134
//       ...
//     end
//   end
//
// Values are integers, numbers, strings ('it''s' #13#10, joined with +), identifiers, sets
// ([akLeft, akTop]), string lists (( 'one' 'two' )) and byte blocks ({ 0A54 ... }).
#pragma once

#include "component.h"
#include "exception.h"

#include <cstddef>
#include <cstdint>
#include <vector>
#include <string>
#include <string_view>


// Reads the description into Root: creates every component with Root as owner, sets the
// properties in stream order, binds handlers by name, resolves component references once the
// whole tree exists and then tells every component that loading has ended. Anything it does not
// know or cannot parse raises EReadError naming the source and the line.
void ReadComponent(std::string_view text, TComponent& Root, const std::string& SourceName);

// The byte block of the first property of that name anywhere in a description; empty when there is
// none. Raises EReadError when the description cannot be parsed.
std::vector<std::uint8_t> FindBinaryProperty(std::string_view text, const std::string& PropertyName);

// Embedded resources, registered by the build.
void RegisterResource(const std::string& name, const unsigned char* data, std::size_t size);
std::string_view FindResource(const std::string& name);
// Reads the resource of that name into Root; a missing resource is an EReadError too.
void ReadComponentResource(const std::string& name, TComponent& Root);

// Sets a form's field to the component of that name that its description made; raises EReadError
// naming the resource when there is none of the field's class.
template <typename T>
void BindComponent(TComponent& Root, T*& Field, const std::string& Name, const std::string& ResourceName) {
    Field = dynamic_cast<T*>(Root.FindComponent(Name));
    if (!Field)
        throw EReadError(ResourceName + ": the description has no component " + Name + " of the expected class");
}

-- "Mk3" becomes "Mk 3" in every name, and in the type names by which entities find their
-- object, so the references still hold. A name that would grow past its field stops the
-- script, and then nothing is changed.
local databases = {"object", "sensor", "launcher", "airstrip", "entity", "profile", "mast",
                   "3dobject", "class", "countryname"}
local respaced = 0

local function respace(record, field)
    local new = record[field]:gsub("Mk(%d)", "Mk %1")
    if new ~= record[field] then
        record[field] = new
        respaced = respaced + 1
    end
end

for _, database in ipairs(databases) do
    for index, record in set[database]:records() do
        respace(record, "name")
    end
end
for index, entity in set.entity:records() do
    respace(entity, "type_name")
end
print(respaced .. " texts respaced")

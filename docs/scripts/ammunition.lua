-- Every launcher that fires entity 12 also fires entity 13, from its first empty ammunition slot
-- and with as many rounds.
local function slot_of(launcher, entity)
    for slot = 1, #launcher.ammo_types do
        if launcher.ammo_types[slot] == entity then
            return slot
        end
    end
end

for index, launcher in set.launcher:records() do
    local shells = slot_of(launcher, 12)
    if shells and not slot_of(launcher, 13) then
        local free = slot_of(launcher, 0)
        if not free then
            error(("launcher %d has no empty ammunition slot"):format(index))
        end
        launcher.ammo_types[free] = 13
        launcher.rounds[free] = launcher.rounds[shells]
    end
end

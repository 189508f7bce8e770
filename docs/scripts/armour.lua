-- Ships of Sim Type 1 longer than 150 m get at least armour 30.
for index, ship in set.object:records() do
    if ship.sim_type == 1 and ship.length_x10 > 1500 and ship.armor < 30 then
        ship.armor = 30
    end
end

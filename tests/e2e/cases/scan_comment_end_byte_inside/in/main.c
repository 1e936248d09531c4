x/* a  */ y
z

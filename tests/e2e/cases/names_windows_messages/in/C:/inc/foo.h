int not_mapped;

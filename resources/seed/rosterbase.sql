-- Starting rows of a new club database: a sample club to show how the
-- program is used. The club replaces them with its own.
INSERT INTO "Club Info" ("Club Name", "Club Address", "Club City") VALUES
 ('Cedar Hollow Bassmasters', 'P.O. Box 1187', 'Harlan Springs, TN 37122');

INSERT INTO "Options" ("Membership") VALUES
 ('Regular'), ('Family'), ('Junior'), ('Senior'), ('Honorary'), ('Officer');

INSERT INTO "Lakes" ("Lakes") VALUES
 ('Percy Priest Lake'), ('Old Hickory Lake'), ('Center Hill Lake'), ('Kentucky Lake'),
 ('Cumberland River'), ('Tims Ford Lake');

INSERT INTO "Ramps" ("Ramps") VALUES
 ('Seven Points Marina'), ('Anderson Road Ramp'), ('Drakes Creek Park'), ('Hurricane Dock'),
 ('Paris Landing State Park'), ('Shutes Branch Ramp'), ('Winchester City Ramp');

INSERT INTO "Members" ("Name", "Address", "Address2", "City", "State", "Zip Code", "Home Phone",
 "Work Phone", "Mobile Phone", "Email Address", "Club Status", "Boater", "Member Number", "Remarks") VALUES
 ('Walt Henning', '412 Ridgecrest Dr.', '', 'Harlan Springs', 'TN', '37122', '(615) 555-0142',
  '(615) 555-0190', '(615) 555-0177', 'walt.henning@example.com', 'Officer', 'Yes', '001',
  'Club president. Runs a 20 ft. bass boat with a 225 hp outboard.'),
 ('Dale O''Brien', '88 Mill Creek Rd.', 'Apt. 4', 'Lebanon', 'TN', '37087', '(615) 555-0118',
  '', '(615) 555-0131', 'dobrien@example.net', 'Regular', 'Yes', '002',
  'Prefers topwater in the spring.'),
 ('Rusty Calloway', '1506 Pinecone Ln.', '', 'Mount Juliet', 'TN', '37122', '(615) 555-0163',
  '(615) 555-0101', '', 'rcalloway@example.org', 'Regular', 'No', '003', ''),
 ('José Núñez', '27 Harbor View Ct.', '', 'Hermitage', 'TN', '37076', '(615) 555-0124',
  '', '(615) 555-0158', 'jnunez@example.com', 'Family', 'Yes', '004',
  'Fishes with his son Mateo (junior member).'),
 ('Mateo Núñez', '27 Harbor View Ct.', '', 'Hermitage', 'TN', '37076', '(615) 555-0124',
  '', '', '', 'Junior', 'No', '005', 'Junior member, age 15.'),
 ('Earl Wimberly', 'Route 2, Box 77', '', 'Watertown', 'TN', '37184', '(615) 555-0109',
  '', '(615) 555-0183', 'earlw@example.net', 'Senior', 'Yes', '006',
  'Club founder. Knows every ledge on Center Hill.'),
 ('Tammy Sue Brandt', '903 Oak Hollow Rd.', '', 'Gallatin', 'TN', '37066', '(615) 555-0136',
  '(615) 555-0145', '(615) 555-0112', 'tsbrandt@example.com', 'Officer', 'Yes', '007',
  'Club secretary and tournament director.'),
 ('Hank Delacroix', '15 Bluff Trail', '', 'Smyrna', 'TN', '37167', '', '(615) 555-0199',
  '(615) 555-0150', 'hdelacroix@example.org', 'Regular', 'No', '008', ''),
 ('Buddy Farnsworth', '2210 Lakeshore Blvd.', 'Lot 12', 'Old Hickory', 'TN', '37138',
  '(615) 555-0171', '', '(615) 555-0105', 'buddyf@example.com', 'Regular', 'Yes', '009',
  'Treasurer.'),
 ('Clint Ashby', '64 Cedar Bend', '', 'Lebanon', 'TN', '37090', '(615) 555-0127', '',
  '(615) 555-0166', '', 'Regular', 'No', 'None', 'New member this season.'),
 ('Gordon "Gordy" Pruitt', '710 Waverly Pl.', '', 'Nashville', 'TN', '37212', '(615) 555-0148',
  '(615) 555-0115', '', 'gpruitt@example.net', 'Honorary', 'No', '011', 'Honorary member; retired guide.'),
 ('Lonnie Mabry', '39 Spring St.', '', 'Carthage', 'TN', '37030', '(615) 555-0187', '',
  '(615) 555-0121', 'lmabry@example.com', 'Regular', 'Yes', '012', '');

INSERT INTO "Tournament" ("Date", "Lake", "Ramp", "Start Time", "End Time", "Notes", "Picture") VALUES
 ('2027-03-13', 'Percy Priest Lake', 'Seven Points Marina', '6:30 AM', '2:30 PM',
  'Season opener. Team format, five fish limit, 12 inch minimum.', ''),
 ('2027-04-10', 'Old Hickory Lake', 'Drakes Creek Park', '6:00 AM', '2:00 PM',
  'Singles tournament. Lunch at the ramp after weigh-in.', ''),
 ('2027-05-08', 'Center Hill Lake', 'Hurricane Dock', '5:45 AM', '2:00 PM',
  'Open tournament, entry fee $100 per boat.', ''),
 ('2027-06-12', 'Kentucky Lake', 'Paris Landing State Park', '5:30 AM', '1:30 PM',
  'Two-day trip; camping at the state park.', ''),
 ('2027-08-14', 'Tims Ford Lake', 'Winchester City Ramp', '6:00 PM', '1:00 AM',
  'Night tournament. Running lights checked at launch.', ''),
 ('2027-10-09', 'Percy Priest Lake', 'Anderson Road Ramp', '7:00 AM', '3:00 PM',
  'Classic: season points leaders only.', '');

INSERT INTO "Stats" ("Name", "Date", "Lake", "Total Weight", "Fish Caught", "Big Fish") VALUES
 ('Walt Henning', '2026-03-14', 'Percy Priest Lake', '14.62', '5', '4.10'),
 ('Dale O''Brien', '2026-03-14', 'Percy Priest Lake', '11.08', '5', '3.25'),
 ('Tammy Sue Brandt', '2026-04-11', 'Old Hickory Lake', '16.40', '5', '5.72'),
 ('Earl Wimberly', '2026-05-09', 'Center Hill Lake', '9.87', '4', '3.90'),
 ('José Núñez', '2026-06-13', 'Kentucky Lake', '18.21', '5', '6.05'),
 ('Buddy Farnsworth', '2026-06-13', 'Kentucky Lake', '12.94', '5', '3.48');

INSERT INTO "Reminders" ("Date", "Reminder") VALUES
 ('2027-01-05', 'Club meeting at the Harlan Springs library, 7:00 PM.
Vote on the 2027 schedule.'),
 ('2027-02-15', 'Membership dues are due.'),
 ('2027-03-01', 'Renew the club''s tournament insurance.'),
 ('2027-03-10', 'Order trophies for the season opener.');

INSERT INTO "Contacts" ("Name", "Address", "City", "State", "ZipCode", "Home Phone", "Work Phone",
 "Cell Phone", "Email", "Remarks") VALUES
 ('Seven Points Marina', '1 Seven Points Ln.', 'Hermitage', 'TN', '37076', '', '(615) 555-0200',
  '', 'info@sevenpoints.example.com', 'Permit for the season opener.'),
 ('Harbor Tackle & Bait', '455 Main St.', 'Lebanon', 'TN', '37087', '', '(615) 555-0211', '',
  'sales@harbortackle.example.com', 'Sponsors the big fish award.'),
 ('TWRA District Office', '3030 Wildlife Way', 'Nashville', 'TN', '37211', '', '(615) 555-0222',
  '', '', 'Tournament permits and lake regulations.'),
 ('Kay Whitfield', '19 Quail Run', 'Gallatin', 'TN', '37066', '(615) 555-0233', '',
  '(615) 555-0244', 'kwhitfield@example.com', 'Weigh-in scales calibration.');
